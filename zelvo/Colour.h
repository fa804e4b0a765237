#pragma once
// A pixel or paint colour as red, green, blue; the picture and the ring
// tables share it so that neither depends on a window library.

#include <cstdint>

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};
