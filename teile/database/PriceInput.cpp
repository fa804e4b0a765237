#include "PriceInput.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "TextRules.h"

namespace {

bool IsPriceInputChar(char c) { return (c >= '0' && c <= '9') || c == ','; }

// The price as the C library reads it into a double and the field's float
// takes it over; a number beyond the float's range counts as none.
float LeadingFloat(std::string_view text) {
    const float value = static_cast<float>(PriceOfText(text));
    return std::isfinite(value) ? value : 0.0f;
}

}  // namespace

PriceInput FilterPriceInput(std::string_view text, int caret) {
    PriceInput input;
    input.text.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(input.text), IsPriceInputChar);
    const int removed = static_cast<int>(text.size() - input.text.size());
    input.caret = std::clamp(caret - removed, 0, static_cast<int>(input.text.size()));
    input.valid = std::count(input.text.begin(), input.text.end(), ',') <= 1;
    return input;
}

std::optional<std::string> ConvertPrice(std::string_view text, PriceConversion conversion) {
    const float price = LeadingFloat(text);
    if (!(price > 0.0f)) {
        return std::nullopt;
    }
    const float converted =
        conversion == PriceConversion::ToNet ? price / kVatFactor : price * kVatFactor;
    if (!std::isfinite(converted)) {
        return std::nullopt;
    }
    // The exact value of the float rounded to two decimals, as printf does.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), converted,
                                      std::chars_format::fixed, 2);
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    std::string shown(buffer.data(), result.ptr);
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}
