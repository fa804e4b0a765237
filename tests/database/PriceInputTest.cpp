// The price field's rules without a window.

#include <gtest/gtest.h>

#include "PriceInput.h"

namespace {

// Only digits and commas stay, the caret moves back by what went away
// (before or after it), and more than one comma makes the text invalid.
TEST(PriceInput, FilterKeepsDigitsAndCommasAndMovesTheCaretBack) {
    struct Case {
        const char* typed;
        int caret;
        const char* text;
        int newCaret;
        bool valid;
    };
    const Case cases[] = {
        {"12.50", 5, "1250", 4, true},   {"1x2,5 \xE4", 2, "12,5", 0, true},
        {"abc", 3, "", 0, true},         {"3,99", 4, "3,99", 4, true},
        {"1,2,3", 5, "1,2,3", 5, false}, {"1,23", 4, "1,23", 4, true},
        {",", 1, ",", 1, true},          {"", 0, "", 0, true},
    };
    for (const Case& c : cases) {
        const PriceInput input = FilterPriceInput(c.typed, c.caret);
        EXPECT_EQ(input.text, c.text) << c.typed;
        EXPECT_EQ(input.caret, c.newCaret) << c.typed;
        EXPECT_EQ(input.valid, c.valid) << c.typed;
    }
}

// Net and gross in single precision with two decimals; a text that reads as
// no price above 0 changes nothing.
TEST(PriceInput, ConvertsPricesAboveZeroInSinglePrecision) {
    struct Case {
        const char* text;
        PriceConversion conversion;
        std::optional<std::string> converted;
    };
    const Case cases[] = {
        {"11,90", PriceConversion::ToNet, "10,00"},
        {"10", PriceConversion::ToGross, "11,90"},
        {"1", PriceConversion::ToGross, "1,19"},
        {"1,19", PriceConversion::ToNet, "1,00"},
        // 4.165 exactly, but 4.1649999... in single precision.
        {"3,50", PriceConversion::ToGross, "4,16"},
        // Reading stops where the number ends.
        {"2,5,7", PriceConversion::ToGross, "2,98"},
        {" 100 Euro", PriceConversion::ToNet, "84,03"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConvertPrice(c.text, c.conversion), c.converted) << c.text;
    }
    for (const char* text : {"0,00", "", "0", ",", "abc", "-5", "1e99", "inf"}) {
        EXPECT_EQ(ConvertPrice(text, PriceConversion::ToNet), std::nullopt) << text;
        EXPECT_EQ(ConvertPrice(text, PriceConversion::ToGross), std::nullopt) << text;
    }
}

}  // namespace
