#include "ResistorPicture.h"

#include <cmath>

namespace {

// The body is a rounded rectangle with a 3-pixel outline. Outer and inner
// edge share their corner centres, so the outline is 3 pixels thick along
// the curves too and never leaves a diagonal gap a fill could slip through.
constexpr int BodyLeft = 16;
constexpr int BodyRight = 266;
constexpr int BodyTop = 1;
constexpr int BodyBottom = 31;
constexpr int OutlineThickness = 3;
constexpr int OuterRadius = 10;

constexpr int LeadTop = 15;
constexpr int LeadBottom = 17;
constexpr int LeadLeftStart = 1;
constexpr int LeadRightEnd = 282;

constexpr int SeparatorWidth = 3;
constexpr std::array<int, 5> SeparatorLefts{27, 82, 140, 198, 253};

bool InsideRoundedRectangle(int x, int y, int left, int top, int right, int bottom, int radius) {
    if (x < left || x > right || y < top || y > bottom) {
        return false;
    }
    const int centreX = x < left + radius ? left + radius : (x > right - radius ? right - radius : x);
    const int centreY = y < top + radius ? top + radius : (y > bottom - radius ? bottom - radius : y);
    const double distance = std::hypot(double(x - centreX), double(y - centreY));
    return distance <= radius + 0.5;
}

}  // namespace

ResistorPicture::ResistorPicture()
    : pixels_(std::size_t(Width) * Height, Background) {
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const bool inBody =
                InsideRoundedRectangle(x, y, BodyLeft, BodyTop, BodyRight, BodyBottom, OuterRadius);
            const bool inInside = InsideRoundedRectangle(
                x, y, BodyLeft + OutlineThickness, BodyTop + OutlineThickness,
                BodyRight - OutlineThickness, BodyBottom - OutlineThickness,
                OuterRadius - OutlineThickness);
            if (inBody && !inInside) {
                Set(x, y, Outline);
            }
        }
    }
    for (int y = LeadTop; y <= LeadBottom; ++y) {
        for (int x = LeadLeftStart; x < BodyLeft; ++x) {
            Set(x, y, Outline);
        }
        for (int x = BodyRight + 1; x <= LeadRightEnd; ++x) {
            Set(x, y, Outline);
        }
    }
    for (int left : SeparatorLefts) {
        for (int y = BodyTop; y <= BodyBottom; ++y) {
            for (int x = left; x < left + SeparatorWidth; ++x) {
                Set(x, y, Outline);
            }
        }
    }
}

RgbColour ResistorPicture::PixelAt(int x, int y) const {
    return pixels_[std::size_t(y) * Width + x];
}

void ResistorPicture::FloodFill(PicturePoint point, RgbColour colour) {
    if (point.x < 0 || point.x >= Width || point.y < 0 || point.y >= Height) {
        return;
    }
    const RgbColour old = PixelAt(point.x, point.y);
    // Refilling with the same colour would find its own pixels again forever.
    if (old == colour) {
        return;
    }
    std::vector<PicturePoint> pending{point};
    Set(point.x, point.y, colour);
    while (!pending.empty()) {
        const PicturePoint current = pending.back();
        pending.pop_back();
        const PicturePoint neighbours[] = {{current.x - 1, current.y},
                                           {current.x + 1, current.y},
                                           {current.x, current.y - 1},
                                           {current.x, current.y + 1}};
        for (const PicturePoint& next : neighbours) {
            if (next.x >= 0 && next.x < Width && next.y >= 0 && next.y < Height &&
                PixelAt(next.x, next.y) == old) {
                Set(next.x, next.y, colour);
                pending.push_back(next);
            }
        }
    }
}
