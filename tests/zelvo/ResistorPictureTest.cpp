#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "ResistorPicture.h"

namespace {

constexpr RgbColour kMarker{1, 2, 3};

struct Area {
    int left, top, right, bottom;
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Inside the outline (rows 4 to 28) between the separators.
constexpr Area kRingAreas[4] = {
    {30, 4, 81, 28}, {85, 4, 139, 28}, {143, 4, 197, 28}, {201, 4, 252, 28}};
constexpr Area kBody{16, 1, 266, 31};

// Every pixel that differs between the two pictures.
std::set<std::pair<int, int>> ChangedPixels(const ResistorPicture& before,
                                            const ResistorPicture& after) {
    std::set<std::pair<int, int>> changed;
    for (int y = 0; y < ResistorPicture::kHeight; ++y) {
        for (int x = 0; x < ResistorPicture::kWidth; ++x) {
            if (!(before.PixelAt(x, y) == after.PixelAt(x, y))) {
                changed.emplace(x, y);
            }
        }
    }
    return changed;
}

TEST(ZelvoResistorPicture, IsDrawnInWhiteAndGreyToItsGeometry) {
    const ResistorPicture picture;
    ASSERT_EQ(picture.Pixels().size(), std::size_t(284 * 33));
    for (const RgbColour& pixel : picture.Pixels()) {
        ASSERT_TRUE(pixel == ResistorPicture::kBackground || pixel == ResistorPicture::kOutline);
    }
    const RgbColour grey = ResistorPicture::kOutline;
    for (int y : {1, 2, 3, 29, 30, 31}) {
        EXPECT_EQ(picture.PixelAt(150, y), grey) << "outline row " << y;
    }
    for (int y : {15, 16, 17}) {
        EXPECT_EQ(picture.PixelAt(1, y), grey);
        EXPECT_EQ(picture.PixelAt(282, y), grey);
        EXPECT_EQ(picture.PixelAt(0, y), ResistorPicture::kBackground);
        EXPECT_EQ(picture.PixelAt(283, y), ResistorPicture::kBackground);
    }
    for (int x : {27, 29, 82, 84, 140, 142, 198, 200, 253, 255}) {
        EXPECT_EQ(picture.PixelAt(x, 16), grey) << "separator at " << x;
    }
}

TEST(ZelvoResistorPicture, EachRingPaintPointFillsExactlyItsRingArea) {
    for (int ring = 0; ring < 4; ++ring) {
        const ResistorPicture before;
        ResistorPicture after;
        after.FloodFill(ResistorPicture::kRingPaintPoints[ring], kMarker);
        const auto changed = ChangedPixels(before, after);
        const Area& area = kRingAreas[ring];
        EXPECT_EQ(changed.size(),
                  std::size_t((area.right - area.left + 1) * (area.bottom - area.top + 1)))
            << "ring " << ring + 1;
        for (const auto& [x, y] : changed) {
            ASSERT_TRUE(area.Contains(x, y))
                << "ring " << ring + 1 << " leaked to " << x << "," << y;
        }
    }
}

TEST(ZelvoResistorPicture, OutsideAndEndCapsAreSeparateRegions) {
    const ResistorPicture before;
    ResistorPicture outside;
    outside.FloodFill(ResistorPicture::kOutsidePoint, kMarker);
    for (const auto& [x, y] : ChangedPixels(before, outside)) {
        ASSERT_FALSE(kBody.Contains(x, y) && y > 3 && y < 29 && x > 18 && x < 264)
            << "outside fill reached the body at " << x << "," << y;
    }
    // Above, below, and both sides of the leads all belong to the outside.
    for (auto [x, y] :
         {std::pair{0, 0}, {283, 32}, {0, 16}, {283, 16}, {8, 20}, {275, 10}, {150, 0}}) {
        EXPECT_EQ(outside.PixelAt(x, y), kMarker) << x << "," << y;
    }

    for (int capX : {22, 260}) {
        ResistorPicture cap;
        cap.FloodFill({capX, 16}, kMarker);
        const auto changed = ChangedPixels(before, cap);
        EXPECT_FALSE(changed.empty());
        for (const auto& [x, y] : changed) {
            ASSERT_TRUE(x > 16 && x < 266 && y > 3 && y < 29) << "cap leaked to " << x << "," << y;
            for (const Area& ring : kRingAreas) {
                ASSERT_FALSE(ring.Contains(x, y));
            }
        }
    }
}

TEST(ZelvoResistorPicture, RepaintingARingReplacesItsPreviousColour) {
    ResistorPicture picture;
    const PicturePoint point = ResistorPicture::kRingPaintPoints[3];
    picture.FloodFill(point, {255, 255, 0});
    picture.FloodFill(point, {102, 102, 102});
    EXPECT_EQ(picture.PixelAt(201, 4), (RgbColour{102, 102, 102}));
    EXPECT_EQ(picture.PixelAt(252, 28), (RgbColour{102, 102, 102}));
    EXPECT_EQ(picture.PixelAt(200, 16), ResistorPicture::kOutline);

    // Same colour again, and points outside the picture, change nothing.
    const ResistorPicture unchanged = picture;
    picture.FloodFill(point, {102, 102, 102});
    picture.FloodFill({-1, 5}, kMarker);
    picture.FloodFill({284, 5}, kMarker);
    picture.FloodFill({5, 33}, kMarker);
    EXPECT_TRUE(ChangedPixels(unchanged, picture).empty());
}

}  // namespace
