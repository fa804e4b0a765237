// The rules of the column definition dialog without a window.

#include <gtest/gtest.h>

#include "ColumnDefinition.h"

namespace {

ColumnChoices Rows(std::initializer_list<std::pair<int, ColumnChoice>> chosen) {
    ColumnChoices rows{};
    for (const auto& [row, choice] : chosen) {
        rows[static_cast<std::size_t>(row - 1)] = choice;
    }
    return rows;
}

TEST(ColumnDefinition, RowsAndWidthsComeFromTheColumnTable) {
    const ColumnSet table = {MakeListColumn(1, 130, kAlignLeft),
                             MakeListColumn(13, 60, kAlignCentred),
                             MakeListColumn(9, 75, kAlignRight)};
    const ColumnChoices rows = ChoicesOf(table);
    EXPECT_EQ(rows[0], (ColumnChoice{1, kAlignLeft}));
    EXPECT_EQ(rows[1], (ColumnChoice{13, kAlignCentred}));
    EXPECT_EQ(rows[2], (ColumnChoice{9, kAlignRight}));
    for (std::size_t row = 3; row < rows.size(); ++row) {
        EXPECT_EQ(rows[row], ColumnChoice{}) << row;  // "NICHT ANZEIGEN", "Links"
    }

    const ContentWidths widths = RememberedWidths(table);
    EXPECT_EQ(widths[1], 130);
    EXPECT_EQ(widths[13], 60);
    EXPECT_EQ(widths[9], 75);
    for (int content : {2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 14}) {
        EXPECT_EQ(widths[static_cast<std::size_t>(content)], 100) << content;
    }

    EXPECT_EQ(ColumnContentEntries().size(), 15u);
    EXPECT_EQ(ColumnContentEntries()[0], "NICHT ANZEIGEN");
    EXPECT_EQ(ColumnContentEntries()[3], "U/I/P");
    EXPECT_EQ(ColumnContentEntries()[6], "Bestellnummer 1");
    EXPECT_EQ(ColumnContentEntries()[14], "Soll");
}

TEST(ColumnDefinition, SavingClosesGapsKeepsTwinsAndGivesNewContentsWidth100) {
    const ContentWidths widths =
        RememberedWidths({MakeListColumn(1, 130, kAlignLeft), MakeListColumn(12, 90, kAlignLeft)});
    const ColumnSet columns = BuildColumnSet(Rows({{1, {1, kAlignLeft}},
                                                   {3, {1, kAlignCentred}},
                                                   {7, {9, kAlignRight}},
                                                   {14, {12, kAlignLeft}}}),
                                             widths);
    EXPECT_EQ(columns,
              (ColumnSet{MakeListColumn(1, 130, kAlignLeft), MakeListColumn(1, 130, kAlignCentred),
                         MakeListColumn(9, 100, kAlignRight), MakeListColumn(12, 90, kAlignLeft)}));
    EXPECT_EQ(columns[2].title, "Preis 1");
    EXPECT_EQ(columns[1].title, "Bezeichnung");
}

TEST(ColumnDefinition, SavingNeedsOneShownColumn) {
    EXPECT_FALSE(AnyColumnChosen(ColumnChoices{}));
    EXPECT_TRUE(BuildColumnSet(ColumnChoices{}, RememberedWidths({})).empty());
    EXPECT_TRUE(AnyColumnChosen(Rows({{14, {14, kAlignLeft}}})));
}

}  // namespace
