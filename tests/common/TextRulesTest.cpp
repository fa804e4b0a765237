// Numbers in texts, price texts, letter case and the cp1252 codec.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>

#include "Cp1252.h"
#include "TextRules.h"

TEST(IntegerOfText, ReadsSignBaseAndDigitsUpToTheFirstOtherCharacter) {
    const std::pair<const char*, int> cases[] = {{"42", 42},
                                                 {" \t 42abc", 42},
                                                 {"+7", 7},
                                                 {"-13", -13},
                                                 {"$1F", 31},
                                                 {"$ff", 255},
                                                 {"-$10", -16},
                                                 {"%101", 5},
                                                 {"%12", 1},
                                                 {"$g", 0},
                                                 {"", 0},
                                                 {"abc", 0},
                                                 {"- 5", 0},
                                                 {"+-5", 0},
                                                 {"\n5", 0},
                                                 {"12 34", 12},
                                                 {"007", 7},
                                                 {"-2147483648", INT_MIN},
                                                 {"2147483648", INT_MAX},
                                                 {"99999999999999999999", INT_MAX},
                                                 {"$FFFFFFFFFFFFFFFF", INT_MAX},
                                                 {"-99999999999999999999", INT_MIN}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(IntegerOfText(text), value) << '"' << text << '"';
    }
    EXPECT_EQ(Integer64OfText("99999999999999999999"), INT64_MAX);
    EXPECT_EQ(Integer64OfText("-99999999999999999999"), INT64_MIN);
    EXPECT_EQ(Integer64OfText("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(Integer64OfText("%" + std::string(200, '1')), INT64_MAX);
    EXPECT_EQ(Integer64OfText("5000000000"), 5000000000LL);
}

TEST(PriceText, ReadsDecimalCommaAndWritesTwoDecimals) {
    EXPECT_DOUBLE_EQ(PriceOfText("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(PriceOfText(" 0,25 EUR"), 0.25);
    EXPECT_DOUBLE_EQ(PriceOfText("-3.75"), -3.75);
    EXPECT_DOUBLE_EQ(PriceOfText("1,5,3"), 1.5);
    EXPECT_DOUBLE_EQ(PriceOfText(",5"), 0.5);
    // The whole exponent counts, leading zeros included.
    EXPECT_DOUBLE_EQ(PriceOfText("1,5e0000002"), 150.0);
    EXPECT_DOUBLE_EQ(PriceOfText("4E0000300"), 4e300);
    for (const char* none : {"abc", "", "-", ",", "inf", "nan", "0x1p3", "1e999"}) {
        EXPECT_EQ(PriceOfText(none), 0.0) << none;
    }
    EXPECT_EQ(PriceText(0.0), "0,00");
    EXPECT_EQ(PriceText(2.5), "2,50");
    EXPECT_EQ(PriceText(1234.567), "1234,57");
    EXPECT_EQ(PriceText(-0.0), "0,00");
    EXPECT_EQ(PriceText(-0.001), "0,00");
    EXPECT_EQ(PriceText(-1.5), "-1,50");
    EXPECT_EQ(PriceText(NAN), "0,00");
    EXPECT_EQ(PriceText(1e300).substr(PriceText(1e300).size() - 3), ",00");
    EXPECT_EQ(PriceText(PriceOfText("0,1") + PriceOfText("0,2")), "0,30");
}

TEST(Cp1252LetterCase, GermanLettersPairUpAndSharpSStays) {
    EXPECT_EQ(ToUpperCp1252("\xE4\xF6\xFC\xFF\x9A\x9C\236abc"), "\xC4\xD6\xDC\x9F\x8A\x8C\216ABC");
    EXPECT_EQ(ToLowerCp1252("\xC4\xD6\xDC\x9F\212ABC"), "\xE4\xF6\xFC\xFF\232abc");
    EXPECT_EQ(ToUpperCp1252("\xDF\xF7\xB5"), "\xDF\xF7\xB5");  // ß, ÷, µ have no capital here
    EXPECT_EQ(ToLowerCp1252("\xD7\xDF"), "\xD7\xDF");          // ×, ß
    EXPECT_TRUE(EqualsIgnoringCase("Widerst\xC4NDE", "widerst\xE4nde"));
    EXPECT_TRUE(ContainsIgnoringCase("Kondensator \xC4LKO", "\xE4lko"));
    EXPECT_TRUE(CompareIgnoringCase("abc", "ABD") < 0 && CompareIgnoringCase("\xC4", "\xE4") == 0);
}

TEST(Cp1252Codec, RoundTripsEveryDefinedByte) {
    const std::string undefined = "\x81\x8D\x8F\x90\x9D";
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        if (undefined.find(static_cast<char>(byte)) == std::string::npos) {
            all += static_cast<char>(byte);
        }
    }
    ASSERT_EQ(all.size(), 251u);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Cp1252ToUtf8("Gr\xF6\337e \204a\x93"), "Gr\u00F6\u00DFe \u201Ea\u201C");
    EXPECT_EQ(Utf8ToCp1252("\u20AC 5"), "\x80 5");
    EXPECT_EQ(Utf8ToCp1252("\u0100\u4E2D\U0001F600"), "???");  // not in cp1252
}

TEST(Cp1252Codec, InvalidUtf8BecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\377b"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");            // cut short at the end
    EXPECT_EQ(Utf8ToCp1252("\xC3(x"), "?(x");        // no continuation
    EXPECT_EQ(Utf8ToCp1252("\x80\xBF"), "??");       // stray continuations
    EXPECT_EQ(Utf8ToCp1252("\xE0\x83\xA4"), "???");  // overlong form of "ä"
    EXPECT_EQ(Utf8ToCp1252("\xC1\x81"), "??");       // overlong "A"
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "?");    // surrogate
    EXPECT_EQ(Utf8ToCp1252(std::string("x\0y", 3)), std::string("x\0y", 3));
}
