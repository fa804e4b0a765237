#pragma once
// The picture of a resistor the decoder paints its rings into: 284 x 33
// pixels in two of the 16 standard colours, drawn at start into memory.
// Grey pixels enclose each ring area, the two end caps and the outside, so
// a flood fill at a paint point colours exactly one of them.

#include <array>
#include <vector>

#include "Colour.h"

struct PicturePoint {
    int x;
    int y;
};

class ResistorPicture {
public:
    static constexpr int kWidth = 284;
    static constexpr int kHeight = 33;
    static constexpr RgbColour kBackground{255, 255, 255};
    static constexpr RgbColour kOutline{128, 128, 128};

    // A pixel of the outside of the resistor; filling there makes the picture
    // blend into whatever lies behind it.
    static constexpr PicturePoint kOutsidePoint{1, 1};
    // The points at which ring 1..4 is painted.
    static constexpr std::array<PicturePoint, 4> kRingPaintPoints{
        {{50, 20}, {110, 20}, {170, 20}, {230, 20}}};

    // The built-in picture, unpainted.
    ResistorPicture();

    // x and y must lie inside the picture.
    RgbColour PixelAt(int x, int y) const;
    // Rows top to bottom, each kWidth pixels long.
    const std::vector<RgbColour>& Pixels() const { return pixels_; }

    // Replaces the 4-connected region of the colour found at (x, y) by
    // colour. A point outside the picture changes nothing.
    void FloodFill(PicturePoint point, RgbColour colour);

private:
    void Set(int x, int y, RgbColour colour) { pixels_[std::size_t(y) * kWidth + x] = colour; }

    std::vector<RgbColour> pixels_;
};
