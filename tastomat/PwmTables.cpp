#include "PwmTables.h"

#include "TextRules.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tastomat {

std::vector<std::string> CrystalEntries() {
    std::vector<std::string> entries;
    entries.reserve(kCrystalFrequencies.size());
    for (std::string_view frequency : kCrystalFrequencies) {
        entries.push_back(std::string(frequency) + " Hz");
    }
    return entries;
}

int CrystalFrequencyOfEntry(std::string_view entry) {
    std::string text(entry);
    for (std::size_t at = text.find("Hz"); at != std::string::npos; at = text.find("Hz")) {
        text.erase(at, 2);
    }
    return ::IntegerOfText(TrimView(text));
}

int PrescalerFactorOfEntry(std::string_view entry) {
    return ::IntegerOfText(entry.substr(0, entry.find(':')));
}

std::string PeriodText(int frequency) {
    // Single precision throughout, thresholds included: the six decimals show
    // float rounding (434.027771 µs rather than 434.027778 µs).
    const float period = frequency != 0 ? 1.0f / static_cast<float>(frequency)
                                        : std::numeric_limits<float>::infinity();
    if (std::isinf(period) || std::isnan(period)) {
        return std::string(kInfinityText) + " s";
    }
    float value = period;
    const char* unit = "s";
    if (period < 1.0f) {
        value = period * 1000.0f;
        unit = "ms";
    }
    if (period < 0.001f) {
        value = period * 1000000.0f;
        unit = "µs";
    }
    if (period < 0.000001f) {
        value = period * 1000000000.0f;
        unit = "ns";
    }
    return FixedText(value, 6) + " " + unit;
}

std::string FixedText(double value, int decimals) {
    char number[400];  // any finite double in fixed notation fits
    const auto result =
        std::to_chars(number, number + sizeof number, value, std::chars_format::fixed, decimals);
    return std::string(number, result.ptr);
}

std::vector<PeriodRow> FillPeriodTable(std::string_view crystalEntry,
                                       std::string_view prescalerEntry) {
    const int quarterClock = CrystalFrequencyOfEntry(crystalEntry) / 4;
    const int prescaler = PrescalerFactorOfEntry(prescalerEntry);

    std::vector<PeriodRow> rows;
    rows.reserve(kPeriodRowCount);
    for (int pr2 = 0; pr2 < kPeriodRowCount; ++pr2) {
        // A prescaler entry without a number would divide by zero; it yields
        // no frequency (an infinite period) instead.
        const int frequency = prescaler != 0 ? quarterClock / (pr2 + 1) / prescaler : 0;
        rows.push_back(
            {"D'" + std::to_string(pr2) + "'", std::to_string(frequency), PeriodText(frequency)});
    }
    return rows;
}

}  // namespace tastomat
