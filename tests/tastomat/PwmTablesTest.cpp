#include "PwmTables.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

using namespace tastomat;

namespace {

const std::string kPrescaler16 = std::string(kPrescalerEntries[0]);
const std::string kPrescaler4 = std::string(kPrescalerEntries[1]);
const std::string kPrescaler1 = std::string(kPrescalerEntries[2]);

struct ParsedPeriod {
    double value;
    std::string unit;
};

ParsedPeriod ParsePeriod(const std::string& text) {
    const std::size_t blank = text.find(' ');
    return {std::stod(text.substr(0, blank)), text.substr(blank + 1)};
}

}  // namespace

TEST(TastomatPeriodTable, EntriesReadBackToTheirNumbers) {
    const std::vector<std::string> crystals = CrystalEntries();
    ASSERT_EQ(crystals.size(), 57u);
    EXPECT_EQ(crystals.front(), "32768 Hz");
    EXPECT_EQ(crystals[kInitialCrystalIndex], "3686400 Hz");
    EXPECT_EQ(crystals.back(), "36000000 Hz");
    for (std::size_t i = 1; i < crystals.size(); ++i) {
        EXPECT_LT(CrystalFrequencyOfEntry(crystals[i - 1]), CrystalFrequencyOfEntry(crystals[i]))
            << crystals[i];
    }
    EXPECT_EQ(CrystalFrequencyOfEntry("  4000000Hz "), 4000000);

    EXPECT_EQ(PrescalerFactorOfEntry(kPrescaler16), 16);
    EXPECT_EQ(PrescalerFactorOfEntry(kPrescaler4), 4);
    EXPECT_EQ(PrescalerFactorOfEntry(kPrescaler1), 1);
    EXPECT_EQ(kPrescalerEntries[kInitialPrescalerIndex], "4:1 (T2CKPS1=0,T2CKPS0=1)");
}

// Every crystal with every prescaler: 256 rows, frequencies from 2 Hz up, never
// the unit "s", and each period agrees with its own frequency column.
TEST(TastomatPeriodTable, EveryCrystalAndPrescalerGivesSoundRows) {
    int lowestFrequency = INT_MAX;
    for (const std::string& crystal : CrystalEntries()) {
        for (std::string_view prescaler : kPrescalerEntries) {
            const std::vector<PeriodRow> rows = FillPeriodTable(crystal, prescaler);
            ASSERT_EQ(rows.size(), 256u);
            int previous = INT_MAX;
            for (int pr2 = 0; pr2 < 256; ++pr2) {
                const PeriodRow& row = rows[pr2];
                SCOPED_TRACE(crystal + " / " + std::string(prescaler) + " / " + row.pr2);
                EXPECT_EQ(row.pr2, "D'" + std::to_string(pr2) + "'");
                const int frequency = std::stoi(row.frequency);
                ASSERT_GT(frequency, 0);
                EXPECT_LE(frequency, previous);
                previous = frequency;
                lowestFrequency = std::min(lowestFrequency, frequency);

                const ParsedPeriod period = ParsePeriod(row.period);
                EXPECT_TRUE(period.unit == "ms" || period.unit == "µs" || period.unit == "ns")
                    << row.period;
                EXPECT_EQ(row.period.find('.') + 7, row.period.find(' ')) << "six decimals";
                EXPECT_GE(period.value, 0.9999);
                EXPECT_LT(period.value, 1000.0);
                const double scale = period.unit == "ms" ? 1e-3 : period.unit == "µs" ? 1e-6 : 1e-9;
                EXPECT_NEAR(period.value * scale * frequency, 1.0, 1e-6);
            }
        }
    }
    EXPECT_EQ(lowestFrequency, 2);
}

TEST(TastomatPeriodTable, WorkedExamples) {
    const std::vector<PeriodRow> standard = FillPeriodTable("3686400 Hz", kPrescaler4);
    EXPECT_EQ(standard[0].frequency, "230400");
    EXPECT_EQ(standard[0].period, "4.340278 µs");
    EXPECT_EQ(standard[99].frequency, "2304");
    // Single precision shows in the last digits (double would give ...778).
    EXPECT_EQ(standard[99].period, "434.027771 µs");
    EXPECT_EQ(standard[255].frequency, "900");
    EXPECT_EQ(standard[255].period, "1.111111 ms");

    const std::vector<PeriodRow> slowest = FillPeriodTable("32768 Hz", kPrescaler16);
    EXPECT_EQ(slowest[255].frequency, "2");
    EXPECT_EQ(slowest[255].period, "500.000000 ms");
    // 8192 div 255 = 32, div 16 = 2: the period follows the truncated frequency.
    EXPECT_EQ(slowest[254].period, "500.000000 ms");

    // 77500 div 4 = 19375, div 256 = 75, div 16 = 4 Hz (exactly it would be 4.73 Hz).
    const std::vector<PeriodRow> rtc = FillPeriodTable("77500 Hz", kPrescaler16);
    EXPECT_EQ(rtc[255].frequency, "4");
    EXPECT_EQ(rtc[255].period, "250.000000 ms");

    // 2097152 div 4 = 2^19: the periods are exact binary fractions.
    const std::vector<PeriodRow> binary = FillPeriodTable("2097152 Hz", kPrescaler1);
    EXPECT_EQ(binary[0].frequency, "524288");
    EXPECT_EQ(binary[0].period, "1.907349 µs");
    const std::vector<PeriodRow> binarySlow = FillPeriodTable("2097152 Hz", kPrescaler16);
    EXPECT_EQ(binarySlow[255].frequency, "128");
    EXPECT_EQ(binarySlow[255].period, "7.812500 ms");
    EXPECT_EQ(FillPeriodTable("36000000 Hz", kPrescaler1)[0].period.substr(0, 8), "111.1111");
}

// A period equal to a threshold is not below it, so it keeps the larger unit.
TEST(TastomatPeriodTable, PeriodsOnAThresholdKeepTheLargerUnit) {
    const std::vector<PeriodRow> rows = FillPeriodTable("1000000 Hz", kPrescaler1);
    EXPECT_EQ(rows[249].frequency, "1000");
    EXPECT_EQ(rows[249].period, "1.000000 ms");
    EXPECT_EQ(rows[250].frequency, "996");
    EXPECT_EQ(rows[250].period, "1.004016 ms");

    const std::vector<PeriodRow> fast = FillPeriodTable("4000000 Hz", kPrescaler1);
    EXPECT_EQ(fast[0].frequency, "1000000");
    EXPECT_EQ(fast[0].period, "1.000000 µs");
}

// Entries outside the fixed lists must not divide by zero.
TEST(TastomatPeriodTable, ZeroFrequencyShowsAnInfinitePeriod) {
    EXPECT_EQ(PeriodText(0), "+Infinity s");
    for (const PeriodRow& row : FillPeriodTable("3686400 Hz", "x:1")) {
        EXPECT_EQ(row.frequency, "0");
        EXPECT_EQ(row.period, "+Infinity s");
    }
    EXPECT_EQ(FillPeriodTable("3 Hz", kPrescaler1)[0].period, "+Infinity s");
    EXPECT_EQ(PeriodText(1), "1.000000 s");
}
