#include "Records.h"

#include <algorithm>

#include "DataFiles.h"
#include "TextRules.h"

std::vector<std::string> SplitFields(std::string_view value) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = value.find(';', start);
        if (end == std::string_view::npos) {
            fields.emplace_back(value.substr(start));
            return fields;
        }
        fields.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
}

std::string FieldOf(const std::vector<std::string>& fields, int number) {
    if (number < 1 || static_cast<std::size_t>(number) > fields.size()) {
        return {};
    }
    return fields[static_cast<std::size_t>(number - 1)];
}

std::string JoinFields(const std::vector<std::string>& fields) {
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            joined += ';';
        }
        joined += fields[i];
    }
    return joined;
}

std::string ReplaceField(std::string_view record, int number, std::string_view text) {
    std::vector<std::string> fields = SplitFields(record);
    if (number < 1 || static_cast<std::size_t>(number) > fields.size()) {
        return std::string(record);
    }
    fields[static_cast<std::size_t>(number - 1)] = WithoutSemicolons(text);
    return JoinFields(fields);
}

PartRecord PartRecord::Parse(std::string_view value) {
    PartRecord record;
    std::size_t start = 0;
    for (int i = 0; i < kPartFieldCount; ++i) {
        const std::size_t end = value.find(';', start);
        record.fields[i] = std::string(value.substr(start, end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return record;
}

PartRecord PartRecord::NewPart(std::string_view name) {
    PartRecord record;
    record.fields = {std::string(name),
                     "keine",
                     "k.A.",
                     "k.A.",
                     "k.A.",
                     "k.A.",
                     "k.A.",
                     "k.A.",
                     "0,00",
                     "0,00",
                     "0,00",
                     "k.A.",
                     "0",
                     "0"};
    return record;
}

std::string PartRecord::ShownRange() const {
    const std::string& range = Field(kFieldRange);
    return EqualsIgnoringCase(TrimView(range), "frei") ? std::string("k.A.") : range;
}

std::string PartRecord::Join() const {
    std::string joined;
    for (int i = 0; i < kPartFieldCount; ++i) {
        if (i > 0) {
            joined += ';';
        }
        // A ";" that slipped through would shift every later field.
        joined += WithoutSemicolons(fields[i]);
    }
    return joined;
}

namespace {

// Decimal digits only (leading zeros allowed), at most `maxValue`; -1
// otherwise.
int DigitsValue(std::string_view text, int maxValue) {
    if (text.empty()) {
        return -1;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
        if (value > maxValue) {
            return -1;
        }
    }
    return value;
}

}  // namespace

std::optional<PartReference> PartReference::Parse(std::string_view text) {
    const std::string lowered = ToLowerCp1252(TrimView(text));
    if (lowered.size() < 2 || lowered[0] != 'k') {
        return std::nullopt;
    }
    const std::size_t t = lowered.find('t', 1);
    if (t == std::string::npos) {
        return std::nullopt;
    }
    PartReference reference;
    reference.category =
        DigitsValue(TrimView(std::string_view(lowered).substr(1, t - 1)), kCategoryCount - 1);
    reference.slot = DigitsValue(TrimView(std::string_view(lowered).substr(t + 1)), kHighestSlot);
    if (reference.category < 0 || reference.slot < 0) {
        return std::nullopt;
    }
    return reference;
}

std::string PartReference::Text() const {
    return "k" + std::to_string(category) + "t" + std::to_string(slot);
}

OrderPosition OrderPosition::Parse(std::string_view value) {
    const std::vector<std::string> fields = SplitFields(value);
    return OrderPosition{FieldOf(fields, 1), FieldOf(fields, 2), FieldOf(fields, 3)};
}

std::string OrderPosition::Join() const {
    return WithoutSemicolons(reference) + ";" + WithoutSemicolons(quantity) + ";" +
           WithoutSemicolons(hidden);
}

bool OrderPosition::IsHidden() const { return IntegerOfText(hidden) == 1; }

namespace {

template <std::size_t N>
std::optional<std::array<std::string, N>> ParseExactFields(std::string_view value) {
    const std::vector<std::string> pieces = SplitFields(value);
    if (pieces.size() != N) {
        return std::nullopt;
    }
    std::array<std::string, N> fields;
    std::copy(pieces.begin(), pieces.end(), fields.begin());
    return fields;
}

template <std::size_t N>
std::string JoinCleanFields(const std::array<std::string, N>& fields) {
    std::string joined;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) {
            joined += ';';
        }
        joined += Trim(WithoutSemicolons(fields[i]));
    }
    return joined;
}

}  // namespace

std::optional<SupplierAddress> SupplierAddress::Parse(std::string_view value) {
    auto fields = ParseExactFields<8>(value);
    if (!fields) {
        return std::nullopt;
    }
    return SupplierAddress{*fields};
}

std::string SupplierAddress::Join() const { return JoinCleanFields(fields); }

std::optional<std::array<std::string, 8>> UserAddress::ParseInvoice(std::string_view value) {
    // The older form had no field for private or business use.
    if (std::count(value.begin(), value.end(), ';') == 6) {
        return ParseExactFields<8>(std::string(value) + ";0");
    }
    return ParseExactFields<8>(value);
}

std::optional<std::array<std::string, 4>> UserAddress::ParseDelivery(std::string_view value) {
    return ParseExactFields<4>(value);
}

std::string UserAddress::JoinInvoice() const { return JoinCleanFields(invoice); }

std::string UserAddress::JoinDelivery() const { return JoinCleanFields(delivery); }

int ScanLimit(std::string_view maxValue) {
    const std::string_view trimmed = TrimView(maxValue);
    if (trimmed.empty()) {
        return kHighestSlot;
    }
    return std::clamp(IntegerOfText(trimmed), 0, kHighestSlot);
}
