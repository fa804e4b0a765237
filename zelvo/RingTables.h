#pragma once
// The four ring lists of the decoder. The order of each table is the order of
// its drop-down list, and a choice is identified by its position in it.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "Colour.h"

struct MultiplierEntry {
    std::string_view name;
    // A factor, except -1 (divide by 10) and -10 (divide by 100).
    int code;
};

struct ToleranceEntry {
    std::string_view name;
    std::string_view toleranceText;
};

// Ring 1: the digit is position + 1 ("schwarz" cannot lead).
extern const std::array<std::string_view, 9> FirstDigitRing;
// Ring 2: the digit is the position.
extern const std::array<std::string_view, 10> SecondDigitRing;
extern const std::array<MultiplierEntry, 9> MultiplierRing;
extern const std::array<ToleranceEntry, 8> ToleranceRing;

inline constexpr int kRingCount = 4;

// The entry texts of ring 0..3 in list order; empty for any other ring.
std::span<const std::string_view> RingEntryNames(int ring);

// The colour an entry is painted with; the same entry text paints the same
// colour on every ring. Nothing for a text that is no ring entry.
std::optional<RgbColour> PaintColourOf(std::string_view entryName);
