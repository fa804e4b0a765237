#pragma once
// The period table of timer 2: PWM frequency and period for every PR2 value,
// for the chosen crystal and prescaler. Texts are UTF-8 ("µs"); they only
// ever go to the window.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tastomat {

// Crystal frequencies in Hz, in list order, as decimal texts.
inline constexpr std::array<std::string_view, 57> kCrystalFrequencies = {
    "32768",    "77500",    "100000",   "473600",   "1000000",  "1843200",  "2000000",  "2068000",
    "2097152",  "2457600",  "2562500",  "3000000",  "3276800",  "3579545",  "3686400",  "4000000",
    "4096000",  "4194304",  "4433619",  "4915200",  "5000000",  "5068800",  "5120000",  "5200000",
    "5990400",  "6000000",  "6144000",  "6553600",  "7372800",  "8000000",  "8867238",  "9216000",
    "9600000",  "10000000", "10240000", "11000000", "11059200", "12000000", "12280000", "13440000",
    "13824000", "14000000", "14318180", "14745600", "15000000", "16000000", "18000000", "18432000",
    "20000000", "22000000", "22118400", "24000000", "25000000", "25175000", "28224000", "32000000",
    "36000000",
};
inline constexpr int kInitialCrystalIndex = 14;  // 3686400 Hz

inline constexpr std::array<std::string_view, 3> kPrescalerEntries = {
    "16:1 (T2CKPS1=1,T2CKPS0=X)",
    "4:1 (T2CKPS1=0,T2CKPS0=1)",
    "1:1 (T2CKPS1=0,T2CKPS0=0)",
};
inline constexpr int kInitialPrescalerIndex = 1;  // 4:1

inline constexpr int kPeriodRowCount = 256;  // PR2 = 0 ... 255

// What the crystal list shows: the number, a blank and "Hz".
std::vector<std::string> CrystalEntries();

// The crystal frequency in Hz read back from a list entry ("3686400 Hz").
int CrystalFrequencyOfEntry(std::string_view entry);

// The prescaler factor read back from an entry: the number before the first ":".
int PrescalerFactorOfEntry(std::string_view entry);

// An infinite value is shown the way the duty-cycle window shows it.
inline constexpr std::string_view kInfinityText = "+Infinity";

struct PeriodRow {
    std::string pr2;        // "D'99'"
    std::string frequency;  // PWM frequency in Hz, "2304"
    std::string period;     // "434.027771 µs"
};

// One row per PR2 value. The frequency is truncated at each integer division
// and the period is taken from that truncated frequency in single precision,
// so the texts match the register arithmetic of the timer, not the exact values.
std::vector<PeriodRow> FillPeriodTable(std::string_view crystalEntry,
                                       std::string_view prescalerEntry);

// The period text of a PWM frequency: value with six decimals, a blank, the unit.
std::string PeriodText(int frequency);

// `value` with `decimals` decimals and a decimal point. Not printf: Qt sets the
// user's locale, and under a German one printf would write a comma.
std::string FixedText(double value, int decimals);

}  // namespace tastomat
