#pragma once
// The result text of the decoder: value and tolerance of a four-ring
// resistor, for example "4.7 kOhm, 5%".

#include <string>

// Positions in the ring 1, ring 2 and ring 4 lists and the code of the chosen
// ring 3 entry (see MultiplierRing). A position outside its list is taken as
// the nearest entry rather than read past the table.
std::string DecodeRings(int firstDigitPosition, int secondDigitPosition, int multiplierCode,
                        int tolerancePosition);
