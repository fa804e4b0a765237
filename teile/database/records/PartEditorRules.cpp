#include "records/PartEditorRules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "DataFiles.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"
#include "lists/CategoryTree.h"
#include "lists/FieldSuggestions.h"

namespace {

constexpr std::string_view kNotGiven = "k.A.";
constexpr std::string_view kNoPrice = "0,00";

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           EqualsIgnoringCase(text.substr(text.size() - ending.size()), ending);
}

std::string SupplierText(std::string_view supplierName, int supplier) {
    const std::string_view name = TrimView(supplierName);
    return name.empty() ? std::to_string(supplier) : std::string(name);
}

}  // namespace

PartEditorTexts NewPartEditorTexts() {
    PartEditorTexts texts;
    texts.fields = PartRecord::NewPart("").fields;
    texts.datasheet1 = std::string(kNotGiven);
    texts.datasheet2 = std::string(kNotGiven);
    return texts;
}

PartEditorTexts StoredPartEditorTexts(const std::string& folder, int category, int slot) {
    const std::string value =
        ReadIniFile(ListFilePath(folder, category))->Value(kListGroup, SlotKey(slot));
    PartRecord record = PartRecord::Parse(value);
    record.Field(kFieldRange) = record.ShownRange();
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        std::string& price = record.Field(PriceField(supplier));
        if (IsBlank(price)) {
            price = std::string(kNoPrice);
        }
    }
    PartEditorTexts texts;
    texts.fields = record.fields;

    const std::string reference = PartReference{category, slot}.Text();
    const std::shared_ptr<const IniDocument> datasheets = ReadIniFile(DatasheetFilePath(folder));
    const std::shared_ptr<const IniDocument> pictures = ReadIniFile(PictureFilePath(folder));
    texts.datasheet1 = datasheets->Value(kSideGroups[0].group, reference);
    texts.datasheet2 = datasheets->Value(kSideGroups[1].group, reference);
    texts.picture1 = pictures->Value(kSideGroups[2].group, reference);
    texts.picture2 = pictures->Value(kSideGroups[3].group, reference);
    return texts;
}

PartEditorContent LoadPartEditorContent(const std::string& folder, PartEditorMode mode,
                                        int category, int slot) {
    PartEditorContent content;
    content.mode = mode;
    content.category = category;
    if (mode == PartEditorMode::New) {
        content.texts = NewPartEditorTexts();
    } else {
        content.texts = StoredPartEditorTexts(folder, category, slot);
    }
    if (mode == PartEditorMode::Edit) {
        content.slot = slot;
        content.stockMarked =
            StockIsMarked(content.texts.Field(kFieldStock), content.texts.Field(kFieldTarget));
    }
    content.supplierNames = SupplierShortNames(folder);
    const std::string listFile = ListFilePath(folder, category);
    content.ranges = FillValueSuggestions(listFile, kSuggestRange);
    content.packages = FillValueSuggestions(listFile, kSuggestPackage);
    content.tolerances = FillValueSuggestions(listFile, kSuggestTolerance);
    return content;
}

int StockAfterBooking(std::string_view stock, std::string_view quantity, bool add) {
    const std::int64_t now = IntegerOfText(stock);
    const std::int64_t amount = IntegerOfText(quantity);
    std::int64_t after = add ? now + amount : now - amount;
    if (!add) {
        after = std::max<std::int64_t>(after, 0);
    }
    after = std::clamp<std::int64_t>(after, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max());
    return static_cast<int>(after);
}

bool StockIsMarked(std::string_view stock, std::string_view target) {
    const int wanted = IntegerOfText(target);
    return wanted > 0 && IntegerOfText(stock) <= wanted;
}

std::optional<bool> StockMarkAfterBooking(std::string_view stock, std::string_view target,
                                          bool add) {
    const int wanted = IntegerOfText(target);
    if (wanted <= 0) {
        return std::nullopt;
    }
    const bool above = IntegerOfText(stock) > wanted;
    if (add && above) {
        return false;
    }
    if (!add && !above) {
        return true;
    }
    return std::nullopt;
}

std::string OrderNumberCaption(std::string_view supplierName, int supplier) {
    return "Bestell-Nr.(" + SupplierText(supplierName, supplier) + "):";
}

std::string PriceCaption(std::string_view supplierName, int supplier) {
    return "Preis (" + SupplierText(supplierName, supplier) + "):";
}

bool PartRecordFitsFile(const PartEditorTexts& texts) {
    // The record exactly as SavePart joins it: the name trimmed, the target
    // as its number, ";" of typed texts turned into ",". The file keeps the
    // value trimmed, so trailing blanks of the stock would not count either;
    // counting them errs on the safe side.
    std::size_t length = Trim(texts.Field(kFieldName)).size();
    for (int field = kFieldRemark; field <= kFieldStock; ++field) {
        length += 1 + texts.Field(field).size();
    }
    length += 1 + std::to_string(IntegerOfText(texts.Field(kFieldTarget))).size();
    return length <= kLongestStoredValue;
}

int DatasheetFilterIndex(std::string_view path) {
    return EndsWithIgnoringCase(TrimView(path), ".pdf") ? 0 : 1;
}

int PictureFilterIndex(std::string_view path) {
    const std::string_view name = TrimView(path);
    if (EndsWithIgnoringCase(name, ".bmp")) {
        return 0;
    }
    if (EndsWithIgnoringCase(name, ".jpg") || EndsWithIgnoringCase(name, ".jpe") ||
        EndsWithIgnoringCase(name, ".jpeg")) {
        return 1;
    }
    return 2;
}

bool IsPictureFileName(std::string_view path) {
    const std::string_view name = TrimView(path);
    return EndsWithIgnoringCase(name, ".bmp") || EndsWithIgnoringCase(name, ".jpg") ||
           EndsWithIgnoringCase(name, ".jpeg");
}
