// The price field's rules without a window.

#include <gtest/gtest.h>

#include "PriceInput.h"

namespace {

TEST(PriceInput, OnlyDigitsAndCommasStayAndTheCaretMovesBackByWhatWentAway) {
    PriceInput input = FilterPriceInput("12.50", 5);
    EXPECT_EQ(input.text, "1250");
    EXPECT_EQ(input.caret, 4);
    EXPECT_TRUE(input.valid);

    // Removed after the caret counts as well.
    input = FilterPriceInput("1x2,5 \xE4", 2);
    EXPECT_EQ(input.text, "12,5");
    EXPECT_EQ(input.caret, 0);

    input = FilterPriceInput("abc", 3);
    EXPECT_EQ(input.text, "");
    EXPECT_EQ(input.caret, 0);

    input = FilterPriceInput("3,99", 4);
    EXPECT_EQ(input.text, "3,99");
    EXPECT_EQ(input.caret, 4);
}

TEST(PriceInput, MoreThanOneCommaIsInvalid) {
    EXPECT_FALSE(FilterPriceInput("1,2,3", 5).valid);
    EXPECT_EQ(FilterPriceInput("1,2,3", 5).text, "1,2,3");
    EXPECT_TRUE(FilterPriceInput("1,23", 4).valid);
    EXPECT_TRUE(FilterPriceInput(",", 1).valid);
    EXPECT_TRUE(FilterPriceInput("", 0).valid);
}

TEST(PriceInput, NetAndGrossInSinglePrecisionWithTwoDecimals) {
    EXPECT_EQ(ConvertPrice("11,90", PriceConversion::ToNet), "10,00");
    EXPECT_EQ(ConvertPrice("10", PriceConversion::ToGross), "11,90");
    EXPECT_EQ(ConvertPrice("1", PriceConversion::ToGross), "1,19");
    EXPECT_EQ(ConvertPrice("1,19", PriceConversion::ToNet), "1,00");
    // 4.165 exactly, but 4.1649999... in single precision.
    EXPECT_EQ(ConvertPrice("3,50", PriceConversion::ToGross), "4,16");
    // Reading stops where the number ends.
    EXPECT_EQ(ConvertPrice("2,5,7", PriceConversion::ToGross), "2,98");
    EXPECT_EQ(ConvertPrice(" 100 Euro", PriceConversion::ToNet), "84,03");
}

TEST(PriceInput, NoPriceAboveZeroChangesNothing) {
    for (const char* text : {"0,00", "", "0", ",", "abc", "-5", "1e99", "inf"}) {
        EXPECT_EQ(ConvertPrice(text, PriceConversion::ToNet), std::nullopt) << text;
        EXPECT_EQ(ConvertPrice(text, PriceConversion::ToGross), std::nullopt) << text;
    }
}

}  // namespace
