#pragma once
// The adjustable three-terminal regulators the list offers, with the typical
// values of their data sheets. Voltages are magnitudes: a negative regulator
// (LM337) works with the same numbers and shows its voltages with a minus.

#include <array>
#include <optional>
#include <string>
#include <string_view>

struct Regulator {
    std::string name;
    double referenceVolts = 0;
    double adjustAmps = 0;
    // Unknown for a type of the user's own: its warnings are then left out.
    std::optional<double> minimumLoadAmps;
    std::optional<double> dropoutVolts;
    std::optional<double> maximumAmps;
    bool negative = false;
};

struct RegulatorData {
    std::string_view name;
    double referenceVolts;
    double adjustAmps;
    double minimumLoadAmps;
    // The smallest input-output difference the data sheet guarantees
    // regulation at (LM1117: its dropout at full current).
    double dropoutVolts;
    double maximumAmps;
    bool negative;
};

inline constexpr std::array<RegulatorData, 5> kRegulatorTypes{{
    {"LM317", 1.25, 50e-6, 3.5e-3, 3.0, 1.5, false},
    {"LM337 (negativ)", 1.25, 65e-6, 2.5e-3, 3.0, 1.5, true},
    {"LM350", 1.25, 50e-6, 3.5e-3, 3.0, 3.0, false},
    {"LM338", 1.25, 45e-6, 3.5e-3, 3.0, 5.0, false},
    {"LM1117-ADJ", 1.25, 60e-6, 1.7e-3, 1.2, 0.8, false},
}};

// The entry after the table: reference voltage and adjustment current typed.
inline constexpr std::string_view kOwnTypeName = "eigener Typ";
inline constexpr int kOwnTypeIndex = static_cast<int>(kRegulatorTypes.size());

// What a TO-220 case gives off without a heat sink: 50 K/W junction to
// ambient (LM317 data sheet), 125 °C junction at most, 25 °C around it.
inline constexpr double kTo220FreeAirWatts = 2.0;

Regulator RegulatorOfType(int index);
