// The rules of the column definition dialog without a window.

#include <gtest/gtest.h>

#include "ColumnDefinition.h"

namespace {

TEST(ColumnDefinition, RowsWidthsAndTheTableTheyMake) {
    const ColumnSet table = {MakeListColumn(1, 130, kAlignLeft),
                             MakeListColumn(13, 60, kAlignCentred)};
    ColumnChoices rows = ChoicesOf(table);
    EXPECT_EQ(rows[1], (ColumnChoice{13, kAlignCentred}));
    EXPECT_EQ(rows[2], ColumnChoice{});  // "NICHT ANZEIGEN", "Links"
    const ContentWidths widths = RememberedWidths(table);
    EXPECT_EQ(widths[13], 60);
    EXPECT_EQ(widths[9], 100);

    // Gaps close up, a content chosen twice shows twice, a new one gets 100.
    rows[1] = {};
    rows[4] = {1, kAlignRight};
    rows[13] = {9, kAlignCentred};
    EXPECT_EQ(BuildColumnSet(rows, widths),
              (ColumnSet{MakeListColumn(1, 130, kAlignLeft), MakeListColumn(1, 130, kAlignRight),
                         MakeListColumn(9, 100, kAlignCentred)}));
    EXPECT_TRUE(AnyColumnChosen(rows));
    EXPECT_FALSE(AnyColumnChosen(ColumnChoices{}));
    EXPECT_TRUE(BuildColumnSet(ColumnChoices{}, widths).empty());
}

}  // namespace
