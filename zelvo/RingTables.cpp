#include "RingTables.h"

#include <algorithm>

// The names are UTF-8: they only ever reach the window, never a file or a
// console, so there is nothing to keep in cp1252 here.

namespace {

constexpr std::array<MultiplierEntry, 9> kMultiplierTable{{
    {"schwarz", 1},
    {"braun", 10},
    {"rot", 100},
    {"orange", 1000},
    {"gelb", 10000},
    {"grün", 100000},
    {"blau", 1000000},
    // Silver comes before gold in the list, although it divides more.
    {"silber", -10},
    {"gold", -1},
}};

constexpr std::array<std::string_view, 9> kMultiplierNameTable = [] {
    std::array<std::string_view, 9> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = kMultiplierTable[i].name;
    }
    return names;
}();

constexpr std::array<ToleranceEntry, 8> kToleranceTable{{
    {"violett", "0.1%"},
    {"blau", "0.25%"},
    {"grün", "0.5%"},
    {"braun", "1%"},
    {"rot", "2%"},
    {"gold", "5%"},
    {"silber", "10%"},
    {"farblos", "20%"},
}};

constexpr std::array<std::string_view, 8> kToleranceNameTable = [] {
    std::array<std::string_view, 8> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = kToleranceTable[i].name;
    }
    return names;
}();

struct NamedColour {
    std::string_view name;
    RgbColour colour;
};

constexpr std::array<NamedColour, 13> kPaintColours{{
    {"schwarz", {0, 0, 0}},
    {"braun", {153, 51, 0}},
    {"rot", {255, 0, 0}},
    {"orange", {255, 153, 0}},
    {"gelb", {255, 255, 0}},
    {"gold", {255, 255, 0}},
    {"grün", {0, 255, 0}},
    {"blau", {0, 0, 255}},
    {"violett", {204, 51, 153}},
    {"grau", {102, 102, 102}},
    {"silber", {102, 102, 102}},
    {"weiß", {255, 255, 255}},
    {"farblos", {255, 255, 255}},
}};

}  // namespace

const std::array<std::string_view, 9> FirstDigitRing{"braun", "rot",     "orange", "gelb", "grün",
                                                     "blau",  "violett", "grau",   "weiß"};

const std::array<std::string_view, 10> SecondDigitRing{
    "schwarz", "braun", "rot", "orange", "gelb", "grün", "blau", "violett", "grau", "weiß"};

const std::array<MultiplierEntry, 9> MultiplierRing = kMultiplierTable;
const std::array<ToleranceEntry, 8> ToleranceRing = kToleranceTable;

std::span<const std::string_view> RingEntryNames(int ring) {
    switch (ring) {
    case 0: return FirstDigitRing;
    case 1: return SecondDigitRing;
    case 2: return kMultiplierNameTable;
    case 3: return kToleranceNameTable;
    default: return {};
    }
}

std::optional<RgbColour> PaintColourOf(std::string_view entryName) {
    const auto found =
        std::find_if(kPaintColours.begin(), kPaintColours.end(),
                     [&](const NamedColour& entry) { return entry.name == entryName; });
    if (found == kPaintColours.end()) {
        return std::nullopt;
    }
    return found->colour;
}
