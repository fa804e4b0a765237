#include "PriceInput.h"

#include <algorithm>
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
    // The float's exact value (a double holds it unchanged) rounded to two
    // decimals, as every price is written.
    return PriceText(static_cast<double>(converted));
}
