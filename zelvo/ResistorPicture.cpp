#include "ResistorPicture.h"

#include <cmath>

namespace {

// The body is a rounded rectangle with a 3-pixel outline. Outer and inner
// edge share their corner centres, so the outline is 3 pixels thick along
// the curves too and never leaves a diagonal gap a fill could slip through.
constexpr int kBodyLeft = 16;
constexpr int kBodyRight = 266;
constexpr int kBodyTop = 1;
constexpr int kBodyBottom = 31;
constexpr int kOutlineThickness = 3;
constexpr int kOuterRadius = 10;

constexpr int kLeadTop = 15;
constexpr int kLeadBottom = 17;
constexpr int kLeadLeftStart = 1;
constexpr int kLeadRightEnd = 282;

constexpr int kSeparatorWidth = 3;
constexpr std::array<int, 5> kSeparatorLefts{27, 82, 140, 198, 253};

bool InsideRoundedRectangle(int x, int y, int left, int top, int right, int bottom, int radius) {
    if (x < left || x > right || y < top || y > bottom) {
        return false;
    }
    const int centreX =
        x < left + radius ? left + radius : (x > right - radius ? right - radius : x);
    const int centreY =
        y < top + radius ? top + radius : (y > bottom - radius ? bottom - radius : y);
    const double distance = std::hypot(double(x - centreX), double(y - centreY));
    return distance <= radius + 0.5;
}

}  // namespace

ResistorPicture::ResistorPicture() : pixels_(std::size_t(kWidth) * kHeight, kBackground) {
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool inBody = InsideRoundedRectangle(x, y, kBodyLeft, kBodyTop, kBodyRight,
                                                       kBodyBottom, kOuterRadius);
            const bool inInside = InsideRoundedRectangle(
                x, y, kBodyLeft + kOutlineThickness, kBodyTop + kOutlineThickness,
                kBodyRight - kOutlineThickness, kBodyBottom - kOutlineThickness,
                kOuterRadius - kOutlineThickness);
            if (inBody && !inInside) {
                Set(x, y, kOutline);
            }
        }
    }
    for (int y = kLeadTop; y <= kLeadBottom; ++y) {
        for (int x = kLeadLeftStart; x < kBodyLeft; ++x) {
            Set(x, y, kOutline);
        }
        for (int x = kBodyRight + 1; x <= kLeadRightEnd; ++x) {
            Set(x, y, kOutline);
        }
    }
    for (int left : kSeparatorLefts) {
        for (int y = kBodyTop; y <= kBodyBottom; ++y) {
            for (int x = left; x < left + kSeparatorWidth; ++x) {
                Set(x, y, kOutline);
            }
        }
    }
}

RgbColour ResistorPicture::PixelAt(int x, int y) const {
    return pixels_[std::size_t(y) * kWidth + x];
}

void ResistorPicture::FloodFill(PicturePoint point, RgbColour colour) {
    if (point.x < 0 || point.x >= kWidth || point.y < 0 || point.y >= kHeight) {
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
            if (next.x >= 0 && next.x < kWidth && next.y >= 0 && next.y < kHeight &&
                PixelAt(next.x, next.y) == old) {
                Set(next.x, next.y, colour);
                pending.push_back(next);
            }
        }
    }
}
