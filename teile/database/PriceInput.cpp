#include "PriceInput.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "TextRules.h"

namespace {

bool IsPriceInputChar(char c) { return (c >= '0' && c <= '9') || c == ','; }

// The leading number of a text as the C library reads a float ("," taken
// for "."), but without its locale, "inf", "nan" or hex; none gives 0.
float LeadingFloat(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlankChar(text[i])) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            number += '-';
        }
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i] == ',' ? '.' : text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (!digits) {
        return 0.0f;
    }
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (text[j] == '+' || text[j] == '-') {
            exponent += text[j++];
        }
        const std::size_t start = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
            exponent += text[j++];
        }
        if (j > start) {
            number += exponent;
        }
    }
    float value = 0.0f;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return 0.0f;
    }
    return value;
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
