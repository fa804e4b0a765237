#pragma once
// Tests name rings by their colours, as a user would read them off a
// resistor, and turn the names into list positions here.

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

#include "DecodeRings.h"
#include "RingTables.h"

inline int PositionOf(int ring, std::string_view name) {
    const auto names = RingEntryNames(ring);
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        throw std::invalid_argument("no such ring entry: " + std::string(name));
    }
    return int(found - names.begin());
}

inline std::string DecodeNamed(std::string_view first, std::string_view second,
                               std::string_view multiplier, std::string_view tolerance) {
    return DecodeRings(PositionOf(0, first), PositionOf(1, second),
                       MultiplierRing[PositionOf(2, multiplier)].code, PositionOf(3, tolerance));
}
