#pragma once
// Values as the user types them and as the window shows them: decimal comma
// or point, the prefixes k, M, m, µ, the units Ω, V, A, and for resistors the
// prefix in the place of the comma ("2k2", "4R7"). Shown numbers use the
// decimal comma and never read "nan" or "inf".

#include <string>
#include <string_view>

enum class Quantity {
    Resistance,     // ohms; "2k2", "4,7k", "240", "1M", "240 Ω", "100R"; "680+39" adds
    Voltage,        // volts; "5", "12,5 V", "500mV"
    Current,        // amperes; "0,5", "1,5 A", "500 mA"
    AdjustCurrent,  // amperes, typed in microamperes without a unit: "50" is 50 µA
};

enum class ValueProblem { None, Empty, NotANumber, OutOfRange };

struct ParsedValue {
    double value = 0;
    ValueProblem problem = ValueProblem::None;
};

// Total on any bytes: a value is finite whenever problem is None.
ParsedValue ParseValue(std::string_view text, Quantity quantity);

// "5,04" for (5.04, 2). A value that rounds to zero has no minus.
std::string FormatNumber(double value, int decimals);
// As FormatNumber, with "+" before a positive value.
std::string FormatSigned(double value, int decimals);
// Up to four significant digits with the fitting prefix: "240 Ω", "2,2 kΩ", "1 MΩ".
std::string FormatOhms(double ohms);
// "5,21 mA", "1,5 A", "50 µA"; three significant digits.
std::string FormatAmps(double amps);
// "-5,00 V" with the given decimals; with -1 decimals up to three, trailing
// zeros dropped ("3 V", "1,2 V").
std::string FormatVolts(double volts, int decimals);
// "3,50 W".
std::string FormatWatts(double watts);
