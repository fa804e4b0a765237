#include "DutyCycle.h"
#include "PwmTables.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <climits>

using namespace tastomat;

namespace {

void ExpectResult(const DutyCycleResult& result, const std::string& onTime,
                  const std::string& ccpr1l, const std::string& ccp1con54) {
    EXPECT_EQ(result.onTime, onTime);
    EXPECT_EQ(result.ccpr1l, ccpr1l);
    EXPECT_EQ(result.ccp1con54, ccp1con54);
}

}  // namespace

TEST(TastomatDutyCycle, DutyEntriesRunFromOneToNinetyNinePercent) {
    const std::vector<std::string> entries = DutyEntries();
    ASSERT_EQ(entries.size(), 99u);
    EXPECT_EQ(entries.front(), "1%");
    EXPECT_EQ(entries[kInitialDutyIndex], "50%");
    EXPECT_EQ(entries.back(), "99%");
}

TEST(TastomatDutyCycle, WorkedExamples) {
    SCOPED_TRACE("PR2 255, 900 Hz");
    // 555.5555555556 is cut, not rounded, to ten characters.
    ExpectResult(ComputeDutyCycle("D'255'", "900", "50%"), "555.555555 µs", "D'127'", "10");
    ExpectResult(ComputeDutyCycle("D'255'", "900", "99%"), "1.10000000 ms", "D'252'", "01");
    ExpectResult(ComputeDutyCycle("D'0'", "230400", "50%"), "2.17013888 µs", "D'0'", "00");
}

TEST(TastomatDutyCycle, LargestDutyValueIs1009) {
    EXPECT_EQ(DutyValue(99, 255), 1009);
    EXPECT_EQ(DutyValue(50, 255), 510);
    // Texts that read as huge numbers saturate; their product must not overflow.
    EXPECT_EQ(DutyValue(INT_MAX, INT_MAX), static_cast<long long>(INT_MAX) * INT_MAX / 25);
    EXPECT_EQ(DutyValue(-99, 255), -1009);
    // With PR2 + 1 the 50% value of PR2 1 would be 4 (D'1', 00).
    ExpectResult(ComputeDutyCycle("D'1'", "460800", "50%"), "1.08506944 µs", "D'0'", "10");
}

TEST(TastomatDutyCycle, PrTwoZeroAlwaysGivesZeroRegisters) {
    for (const std::string& duty : DutyEntries()) {
        const DutyCycleResult result = ComputeDutyCycle("D'0'", "230400", duty);
        EXPECT_EQ(result.ccpr1l, "D'0'") << duty;
        EXPECT_EQ(result.ccp1con54, "00") << duty;
    }
}

// The two register texts together must give back the ten-bit duty value.
TEST(TastomatDutyCycle, RegisterTextsRecombineToTheDutyValue) {
    for (int pr2 = 0; pr2 < 256; ++pr2) {
        for (int duty = 1; duty <= 99; ++duty) {
            std::string ccpr1l;
            std::string ccp1con54;
            SplitDutyValue(DutyValue(duty, pr2), ccpr1l, ccp1con54);
            ASSERT_EQ(ccp1con54.size(), 2u);
            ASSERT_EQ(ccpr1l.substr(0, 2), "D'");
            ASSERT_EQ(ccpr1l.back(), '\'');
            const int upper = std::stoi(ccpr1l.substr(2, ccpr1l.size() - 3));
            const int lower = (ccp1con54[0] - '0') * 2 + (ccp1con54[1] - '0');
            ASSERT_LE(upper, 255);
            ASSERT_EQ(upper * 4 + lower, duty * pr2 * 4 / 100) << duty << "% PR2 " << pr2;
        }
    }
    // Only the last ten of the sixteen binary digits count.
    std::string ccpr1l;
    std::string ccp1con54;
    SplitDutyValue(1024 + 7, ccpr1l, ccp1con54);
    EXPECT_EQ(ccpr1l, "D'1'");
    EXPECT_EQ(ccp1con54, "11");
}

TEST(TastomatDutyCycle, OnTimeIsCutToTenCharacters) {
    EXPECT_EQ(OnTimeText(0.25), "250.000000 ms");
    EXPECT_EQ(OnTimeText(2.5), "2.50000000 s");
    // More digits before the point leave fewer decimals.
    EXPECT_EQ(OnTimeText(1234.5678), "1234.56780 s");
    EXPECT_EQ(OnTimeText(0.0009999999999), "999.999999 µs");
    // 9 MHz at 1%: 1.111... ns.
    ExpectResult(ComputeDutyCycle("D'0'", "9000000", "1%"), "1.11111111 ns", "D'0'", "00");
    // 2 Hz at 50%: 0.25 s.
    EXPECT_EQ(ComputeDutyCycle("D'255'", "2", "50%").onTime, "250.000000 ms");
}

// A double click without a selected row reads empty texts.
TEST(TastomatDutyCycle, NoSelectedRowGivesAnInfiniteOnTime) {
    ExpectResult(ComputeDutyCycle("", "", "50%"), "+Infinity s", "D'0'", "00");
    ExpectResult(ComputeDutyCycle("", "", "99%"), "+Infinity s", "D'0'", "00");
}

// Qt puts a window program under the user's locale; a German one must not
// turn the decimal points of the texts into commas.
TEST(TastomatTexts, DecimalPointsStayUnderAGermanLocale) {
    char folder[] = "/tmp/tastomat-locale-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string make =
        std::string("localedef -i de_DE -f UTF-8 ") + folder + "/de_DE.utf8 >/dev/null 2>&1";
    const bool made = std::system(make.c_str()) == 0;
    setenv("LOCPATH", folder, 1);
    const bool german = made && std::setlocale(LC_ALL, "de_DE.utf8") != nullptr;
    char probe[16] = {};
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    const std::string printed = probe;
    const DutyCycleResult result = ComputeDutyCycle("D'255'", "900", "50%");
    const std::string period = PeriodText(2304);
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
    std::system((std::string("rm -rf ") + folder).c_str());
    if (!german) {
        GTEST_SKIP() << "no German locale can be built here (Debian package locales)";
    }
    ASSERT_EQ(printed, "1,5") << "the German locale is not in force";
    EXPECT_EQ(result.onTime, "555.555555 µs");
    EXPECT_EQ(period, "434.027771 µs");
}
