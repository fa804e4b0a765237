// The unit parser on what users type, and the number texts the window shows.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "ValueText.h"

namespace {

struct Good {
    const char* text;
    Quantity quantity;
    double value;
};

TEST(ValueText, ReadsTheUsualNotations) {
    const Good cases[] = {
        {"2k2", Quantity::Resistance, 2200},
        {"4,7k", Quantity::Resistance, 4700},
        {"4.7k", Quantity::Resistance, 4700},
        {"240", Quantity::Resistance, 240},
        {"1M", Quantity::Resistance, 1e6},
        {"1M5", Quantity::Resistance, 1.5e6},
        {"2k", Quantity::Resistance, 2000},
        {"240Ω", Quantity::Resistance, 240},
        {" 240 Ω ", Quantity::Resistance, 240},
        {"2,2 kΩ", Quantity::Resistance, 2200},
        {"10Ω", Quantity::Resistance, 10},
        {"1 kOhm", Quantity::Resistance, 1000},
        {"4R7", Quantity::Resistance, 4.7},
        {"R47", Quantity::Resistance, 0.47},
        {"100R", Quantity::Resistance, 100},
        {",5", Quantity::Resistance, 0.5},
        {"1e3", Quantity::Resistance, 1000},
        {"1e30", Quantity::Resistance, 1e30},
        {"-240", Quantity::Resistance, -240},
        {"680+39", Quantity::Resistance, 719},
        {"680 Ω + 39 Ω", Quantity::Resistance, 719},
        {"1,5k+220", Quantity::Resistance, 1720},
        {"12,5 V", Quantity::Voltage, 12.5},
        {"500mV", Quantity::Voltage, 0.5},
        {"-5", Quantity::Voltage, -5},
        {"+5v", Quantity::Voltage, 5},
        {"0,5", Quantity::Current, 0.5},
        {"500 mA", Quantity::Current, 0.5},
        {"1,5 A", Quantity::Current, 1.5},
        {"50µA", Quantity::Current, 50e-6},
        {"50μA", Quantity::Current, 50e-6},  // the Greek letter mu
        {"50uA", Quantity::Current, 50e-6},
        {"50", Quantity::AdjustCurrent, 50e-6},
        {"50 µA", Quantity::AdjustCurrent, 50e-6},
        {"0,1 mA", Quantity::AdjustCurrent, 100e-6},
        {"1e-400", Quantity::Voltage, 0},
    };
    for (const Good& good : cases) {
        const ParsedValue parsed = ParseValue(good.text, good.quantity);
        EXPECT_EQ(parsed.problem, ValueProblem::None) << good.text;
        EXPECT_DOUBLE_EQ(parsed.value, good.value) << good.text;
    }
}

TEST(ValueText, NamesWhatIsWrong) {
    const std::string nines(400, '9');
    const std::pair<const char*, ValueProblem> resistorCases[] = {
        {"", ValueProblem::Empty},
        {" \t ", ValueProblem::Empty},
        {"abc", ValueProblem::NotANumber},
        {"1,2,3", ValueProblem::NotANumber},
        {"1.000,5", ValueProblem::NotANumber},
        {"2k2k", ValueProblem::NotANumber},
        {"2k2,5", ValueProblem::NotANumber},
        {"1m", ValueProblem::NotANumber},  // milli or mega: nobody knows
        {"k", ValueProblem::NotANumber},
        {",", ValueProblem::NotANumber},
        {"1e", ValueProblem::NotANumber},
        {"2 2", ValueProblem::NotANumber},
        {"680+", ValueProblem::NotANumber},
        {"12 V", ValueProblem::NotANumber},
        {"nan", ValueProblem::NotANumber},
        {"inf", ValueProblem::NotANumber},
        {"1e400", ValueProblem::OutOfRange},
        {nines.c_str(), ValueProblem::OutOfRange},
    };
    for (const auto& [text, problem] : resistorCases) {
        EXPECT_EQ(ParseValue(text, Quantity::Resistance).problem, problem) << text;
    }
    EXPECT_EQ(ParseValue("5 A", Quantity::Voltage).problem, ValueProblem::NotANumber);
    EXPECT_EQ(ParseValue("2k2", Quantity::Current).problem, ValueProblem::NotANumber);
    // A sum with a part of zero or less reports that part.
    EXPECT_EQ(ParseValue("680+-39", Quantity::Resistance).value, -39);
    // Bytes that are no text at all.
    const std::string withNul{'1', '\0', '2'};
    EXPECT_EQ(ParseValue(withNul, Quantity::Resistance).problem, ValueProblem::NotANumber);
    EXPECT_EQ(ParseValue("\xFF\xFE", Quantity::Voltage).problem, ValueProblem::NotANumber);
}

TEST(ValueText, ShowsNumbersWithTheDecimalComma) {
    const std::pair<std::string, std::string> cases[] = {
        {FormatOhms(240), "240 Ω"},         {FormatOhms(2200), "2,2 kΩ"},
        {FormatOhms(4870), "4,87 kΩ"},      {FormatOhms(1e6), "1 MΩ"},
        {FormatOhms(10e6), "10 MΩ"},        {FormatOhms(0.47), "0,47 Ω"},
        {FormatOhms(999.96), "1 kΩ"},       {FormatAmps(1.25 / 240), "5,21 mA"},
        {FormatAmps(1.5), "1,5 A"},         {FormatAmps(50e-6), "50 µA"},
        {FormatAmps(0.9996), "1 A"},        {FormatVolts(-5.036, 3), "-5,036 V"},
        {FormatVolts(3.0, -1), "3 V"},      {FormatVolts(1.2, -1), "1,2 V"},
        {FormatWatts(6.964), "6,96 W"},     {FormatNumber(-0.0001, 2), "0,00"},
        {FormatSigned(0.0294, 2), "+0,03"}, {FormatSigned(-1.47, 1), "-1,5"},
        {FormatSigned(-0.01, 1), "0,0"},
    };
    for (const auto& [shown, expected] : cases) {
        EXPECT_EQ(shown, expected);
    }
    // Whatever goes wrong upstream, the window never reads "nan" or "inf".
    for (const double odd :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        for (const std::string& shown : {FormatNumber(odd, 2), FormatSigned(odd, 1),
                                         FormatOhms(odd), FormatAmps(odd), FormatWatts(odd)}) {
            EXPECT_EQ(shown.find("nan"), std::string::npos) << shown;
            EXPECT_EQ(shown.find("inf"), std::string::npos) << shown;
        }
    }
}

}  // namespace
