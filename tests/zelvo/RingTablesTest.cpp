#include <gtest/gtest.h>

#include <set>

#include "RingTables.h"

namespace {

TEST(ZelvoRingTables, SilverComesBeforeGoldAndDividesMore) {
    EXPECT_EQ(MultiplierRing[7].name, "silber");
    EXPECT_EQ(MultiplierRing[7].code, -10);
    EXPECT_EQ(MultiplierRing[8].name, "gold");
    EXPECT_EQ(MultiplierRing[8].code, -1);
    int factor = 1;
    for (int position = 0; position < 7; ++position) {
        EXPECT_EQ(MultiplierRing[position].code, factor) << MultiplierRing[position].name;
        factor *= 10;
    }
}

TEST(ZelvoRingTables, EveryEntryOfEveryRingHasAPaintColour) {
    const std::size_t sizes[] = {9, 10, 9, 8};
    for (int ring = 0; ring < kRingCount; ++ring) {
        const auto names = RingEntryNames(ring);
        EXPECT_EQ(names.size(), sizes[ring]);
        std::set<std::string_view> distinct(names.begin(), names.end());
        EXPECT_EQ(distinct.size(), names.size()) << "ring " << ring + 1;
        for (const std::string_view name : names) {
            EXPECT_TRUE(PaintColourOf(name).has_value()) << name;
        }
    }
}

TEST(ZelvoRingTables, NamesOfOneLookShareTheirColour) {
    EXPECT_EQ(PaintColourOf("gelb"), PaintColourOf("gold"));
    EXPECT_EQ(PaintColourOf("grau"), PaintColourOf("silber"));
    EXPECT_EQ(PaintColourOf("weiß"), PaintColourOf("farblos"));
    EXPECT_FALSE(PaintColourOf("").has_value());
}

}  // namespace
