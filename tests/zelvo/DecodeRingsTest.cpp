#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "RingNames.h"

namespace {

std::string ValuePart(std::string_view first, std::string_view second,
                      std::string_view multiplier) {
    const std::string text = DecodeNamed(first, second, multiplier, "gold");
    EXPECT_TRUE(text.ends_with(", 5%")) << text;
    return text.substr(0, text.size() - 4);
}

TEST(ZelvoDecodeRings, ExamplesOfTheValuePart) {
    EXPECT_EQ(ValuePart("braun", "schwarz", "schwarz"), "10 Ohm");
    EXPECT_EQ(ValuePart("gelb", "violett", "rot"), "4.7 kOhm");
    EXPECT_EQ(ValuePart("gelb", "violett", "silber"), "0.47 Ohm");
    EXPECT_EQ(ValuePart("rot", "rot", "gold"), "2.2 Ohm");
    EXPECT_EQ(ValuePart("braun", "schwarz", "silber"), "0.1 Ohm");
    EXPECT_EQ(ValuePart("braun", "schwarz", "orange"), "10 kOhm");
    EXPECT_EQ(ValuePart("weiß", "weiß", "blau"), "99 MOhm");
    EXPECT_EQ(ValuePart("braun", "schwarz", "gold"), "1 Ohm");
    EXPECT_EQ(ValuePart("gelb", "violett", "gold"), "4.7 Ohm");
    // The unit changes at exactly 1000 and 1000000.
    EXPECT_EQ(ValuePart("weiß", "weiß", "braun"), "990 Ohm");
    EXPECT_EQ(ValuePart("braun", "schwarz", "rot"), "1 kOhm");
    EXPECT_EQ(ValuePart("weiß", "weiß", "gelb"), "990 kOhm");
    EXPECT_EQ(ValuePart("braun", "schwarz", "grün"), "1 MOhm");
    // A decimal stays only where it means something.
    EXPECT_EQ(ValuePart("braun", "grün", "rot"), "1.5 kOhm");
    EXPECT_EQ(ValuePart("braun", "grün", "orange"), "15 kOhm");
}

TEST(ZelvoDecodeRings, ToleranceTextFollowsTheFourthRingPosition) {
    const char* expected[] = {"0.1%", "0.25%", "0.5%", "1%", "2%", "5%", "10%", "20%"};
    for (int position = 0; position < 8; ++position) {
        EXPECT_EQ(DecodeRings(0, 0, 1, position), std::string("10 Ohm, ") + expected[position]);
    }
    // Positions outside the lists are taken as the nearest entry.
    EXPECT_EQ(DecodeRings(-3, 42, 1, 99), "19 Ohm, 20%");
}

// The shortest decimal text of hundredths / scale: what the trimming rules
// must arrive at, computed without any floating point.
std::string ExactDecimal(std::int64_t hundredths, std::int64_t scale) {
    std::string text = std::to_string(hundredths / scale);
    std::int64_t rest = hundredths % scale;
    if (rest == 0) {
        return text;
    }
    text += '.';
    while (rest != 0) {
        rest *= 10;
        text += char('0' + rest / scale);
        rest %= scale;
    }
    return text;
}

TEST(ZelvoDecodeRings, EveryRingCombinationReadsAsItsExactValue) {
    int combinations = 0;
    for (int first = 0; first < int(FirstDigitRing.size()); ++first) {
        for (int second = 0; second < int(SecondDigitRing.size()); ++second) {
            for (const MultiplierEntry& multiplier : MultiplierRing) {
                for (int tolerance = 0; tolerance < int(ToleranceRing.size()); ++tolerance) {
                    ++combinations;
                    const std::string text = DecodeRings(first, second, multiplier.code, tolerance);
                    SCOPED_TRACE(text);

                    const std::int64_t number = (first + 1) * 10 + second;
                    std::int64_t hundredths = number * 100;
                    if (multiplier.code == -1) {
                        hundredths = number * 10;
                    } else if (multiplier.code == -10) {
                        hundredths = number;
                    } else {
                        hundredths *= multiplier.code;
                    }

                    std::string unit = " Ohm, ";
                    std::int64_t scale = 100;
                    if (hundredths >= 1000 * 100) {
                        unit = " kOhm, ";
                        scale = 1000 * 100;
                    }
                    if (hundredths >= 1000000 * 100) {
                        unit = " MOhm, ";
                        scale = std::int64_t(1000000) * 100;
                    }
                    const std::string valuePart = ExactDecimal(hundredths, scale);
                    const std::string toleranceText(ToleranceRing[tolerance].toleranceText);
                    ASSERT_EQ(text, valuePart + unit + toleranceText);

                    ASSERT_FALSE(valuePart.ends_with(".0") || valuePart.ends_with(".00"));
                    ASSERT_FALSE(valuePart.find('.') != std::string::npos &&
                                 valuePart.back() == '0');
                }
            }
        }
    }
    EXPECT_EQ(combinations, 9 * 10 * 9 * 8);
}

}  // namespace
