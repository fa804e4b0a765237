#pragma once
// The resistor pairs R1/R2 from an E series that come closest to a target
// voltage. Exact: the result is what trying every pair would give, found in
// a few microseconds so the window can search again on every key press.
//
// Vout = Vref * (1 + R2/R1) + Iadj * R2 rises with R2 for a fixed R1, so the
// best R2 values for one R1 lie on both sides of the ideal one, nearest
// first; only those need trying.

#include <optional>
#include <vector>

#include "ESeries.h"

// R1 across its usual range, unless the user fixes it. R2 from the series in
// every decade where a divider can sensibly use it.
inline constexpr double kFreeR1Lowest = 100;
inline constexpr double kFreeR1Highest = 1000;
inline constexpr double kR2Lowest = 1;
inline constexpr double kR2Highest = 10e6;

struct PairQuery {
    double targetVolts = 0;  // magnitude, above the reference voltage
    double referenceVolts = 1.25;
    double adjustAmps = 0;
    ESeries series = ESeries::E24;
    std::optional<double> fixedR1;  // any value, not only one of the series
    // Also try R2 as two resistors of the series in series.
    bool twoResistorR2 = false;
    int count = 10;
};

struct ResistorPair {
    double r1 = 0;
    double r2 = 0;
    double r2Second = 0;  // the second resistor of R2, 0 when R2 is one resistor
    double volts = 0;
    double deviationVolts = 0;  // volts - target

    double R2Total() const { return r2 + r2Second; }
};

// Vout of a divider, the same formula everywhere (magnitudes).
double DividerOutputVolts(double referenceVolts, double adjustAmps, double r1, double r2);

// The `count` pairs of single resistors closest to the target, closest first
// (ties by R1, then R2, smaller first). With twoResistorR2, each R1 also has
// its best two-resistor R2 among them wherever that comes closer than its
// best single R2.
std::vector<ResistorPair> BestPairs(const PairQuery& query);
