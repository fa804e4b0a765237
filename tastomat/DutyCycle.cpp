#include "DutyCycle.h"

#include "PwmTables.h"
#include "TextRules.h"

#include <bitset>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tastomat {

namespace {

std::string WithoutChars(std::string_view text, std::string_view removed) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (removed.find(c) == std::string_view::npos) {
            result.push_back(c);
        }
    }
    return result;
}

}  // namespace

std::vector<std::string> DutyEntries() {
    std::vector<std::string> entries;
    for (int percent = 1; percent <= 99; ++percent) {
        entries.push_back(std::to_string(percent) + "%");
    }
    return entries;
}

long long DutyValue(int dutyPercent, int pr2) {
    // d * PR2 * 4 div 100 is d * PR2 div 25 (the same quotient, truncated the
    // same way), and that product cannot overflow whatever the texts hold.
    return static_cast<long long>(dutyPercent) * pr2 / 25;
}

void SplitDutyValue(long long dutyValue, std::string& ccpr1l, std::string& ccp1con54) {
    // The register is 16 bits wide; anything outside keeps its low 16 bits,
    // as the 16-digit binary text does.
    const std::string binary =
        std::bitset<16>(static_cast<std::uint16_t>(dutyValue & 0xFFFF)).to_string();
    const std::string tenBits = binary.substr(6);
    ccpr1l = "D'" + std::to_string(::IntegerOfText("%" + tenBits.substr(0, 8))) + "'";
    ccp1con54 = tenBits.substr(8, 2);
}

std::string OnTimeText(double seconds) {
    if (std::isinf(seconds)) {
        return std::string(seconds > 0 ? kInfinityText : "-Infinity") + " s";
    }
    if (std::isnan(seconds)) {
        return "NaN s";
    }
    double value = seconds;
    const char* unit = "s";
    if (seconds < 1) {
        value = seconds * 1000;
        unit = "ms";
    }
    if (seconds < 0.001) {
        value = seconds * 1000000;
        unit = "µs";
    }
    if (seconds < 0.000001) {
        value = seconds * 1000000000;
        unit = "ns";
    }
    return FixedText(value, 10).substr(0, 10) + " " + unit;
}

DutyCycleResult ComputeDutyCycle(std::string_view pr2Text, std::string_view frequencyText,
                                 std::string_view dutyEntry) {
    const int pr2 = ::IntegerOfText(WithoutChars(pr2Text, "D'"));
    const int frequency = ::IntegerOfText(frequencyText);
    const double period =
        frequency != 0 ? 1.0 / frequency : std::numeric_limits<double>::infinity();
    const int duty = ::IntegerOfText(TrimView(WithoutChars(dutyEntry, "%")));

    DutyCycleResult result;
    result.onTime = OnTimeText(duty * period / 100);
    SplitDutyValue(DutyValue(duty, pr2), result.ccpr1l, result.ccp1con54);
    return result;
}

}  // namespace tastomat
