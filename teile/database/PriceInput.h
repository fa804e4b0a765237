#pragma once
// What a price field does with its text: the input filter with its caret
// rule, and the conversion between net and gross prices (Ctrl+N, Ctrl+B).
// Texts are cp1252, one byte per character.

#include <optional>
#include <string>
#include <string_view>

// A price is typed with digits and at most one decimal comma; anything else
// is dropped as it is typed or pasted.
struct PriceInput {
    std::string text;
    int caret = 0;
    bool valid = true;  // at most one ","; the dialog cannot save otherwise
};

// `caret` is the column of the caret in `text`; it moves back by the number
// of characters removed, wherever in the text they were.
PriceInput FilterPriceInput(std::string_view text, int caret);

enum class PriceConversion { ToNet, ToGross };

// The German VAT factor, as the single-precision value the prices are
// computed with.
inline constexpr float kVatFactor = 1.19f;

// The converted price with two decimals and a decimal comma, computed in
// single precision ("11,90" to net gives "10,00", "10" to gross "11,90").
// Nothing when the text reads as no price above 0: the field stays as it is.
std::optional<std::string> ConvertPrice(std::string_view text, PriceConversion conversion);
