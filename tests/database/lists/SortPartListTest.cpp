#include <gtest/gtest.h>

#include "lists/SortPartList.h"

namespace {

PartRow Row(int slot, std::string name, int amount = 0, int target = 0) {
    PartRow row;
    row.slot = slot;
    row.Text(1) = std::move(name);
    row.amount = amount;
    row.target = target;
    return row;
}

std::vector<int> Slots(const ShownList& list) {
    std::vector<int> slots;
    for (const ShownRow& row : list.rows) {
        slots.push_back(row.itemData);
    }
    return slots;
}

std::vector<std::string> Column(const ShownList& list, std::size_t column) {
    std::vector<std::string> texts;
    for (const ShownRow& row : list.rows) {
        texts.push_back(row.texts.at(column));
    }
    return texts;
}

ColumnSet Columns(std::initializer_list<int> contents) {
    ColumnSet columns;
    for (int content : contents) {
        columns.push_back(MakeListColumn(content, 100, kAlignLeft));
    }
    return columns;
}

TEST(CategoryListSort, TextFieldsIncludingPricesSortAsTextIgnoringCase) {
    std::vector<PartRow> rows = {Row(0, "b"), Row(1, "A"), Row(2, "c")};
    rows[0].Text(9) = "9,50";
    rows[1].Text(9) = "10,00";
    rows[2].Text(9) = "100";
    SortState sort;
    sort.categorySortColumn = 1;
    const ShownList list = SortCategoryList(rows, Columns({1, 9}), sort, -1);
    EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"10,00", "100", "9,50"}));
    EXPECT_EQ(list.titles, (std::vector<std::string>{"Bezeichnung", "Preis 1*"}));
    EXPECT_EQ(rows[0].slot, 1);  // the row table itself is sorted

    sort.categorySortColumn = 0;
    std::vector<PartRow> names = {Row(0, "abd"), Row(1, "ABC"), Row(2, "Abb")};
    EXPECT_EQ(Slots(SortCategoryList(names, Columns({1}), sort, -1)), (std::vector<int>{2, 1, 0}));
}

TEST(CategoryListSort, StockAndTargetSortAsIntegersAndShowAsDecimalText) {
    std::vector<PartRow> rows = {Row(0, "a", 10, 3), Row(1, "b", 9, -2), Row(2, "c", 100, 0)};
    SortState sort;
    sort.categorySortColumn = 1;
    const ShownList byStock = SortCategoryList(rows, Columns({1, 13, 14}), sort, -1);
    EXPECT_EQ(Column(byStock, 1), (std::vector<std::string>{"9", "10", "100"}));
    EXPECT_EQ(Column(byStock, 2), (std::vector<std::string>{"-2", "3", "0"}));
    EXPECT_EQ(byStock.titles[1], "Menge*");

    sort.categorySortColumn = 2;
    sort.descending = true;
    const ShownList byTarget = SortCategoryList(rows, Columns({1, 13, 14}), sort, -1);
    EXPECT_EQ(Slots(byTarget), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(byTarget.titles, (std::vector<std::string>{"Bezeichnung", "Menge", "Soll*"}));
}

TEST(CategoryListSort, EqualSortKeysKeepTheOrderOfTheLeftmostColumn) {
    std::vector<PartRow> rows = {Row(0, "B"), Row(1, "a"), Row(2, "C"), Row(3, "d")};
    rows[0].Text(4) = "TO92";
    rows[1].Text(4) = "to92";
    rows[2].Text(4) = "SOT23";
    rows[3].Text(4) = "SOT23";
    SortState sort;
    sort.categorySortColumn = 1;
    EXPECT_EQ(Slots(SortCategoryList(rows, Columns({1, 4}), sort, -1)),
              (std::vector<int>{2, 3, 1, 0}));
    sort.descending = true;
    EXPECT_EQ(Slots(SortCategoryList(rows, Columns({1, 4}), sort, -1)),
              (std::vector<int>{0, 1, 3, 2}));
    // A sort column that no longer exists falls back to the leftmost one.
    sort.descending = false;
    sort.categorySortColumn = 7;
    const ShownList list = SortCategoryList(rows, Columns({4, 1}), sort, -1);
    EXPECT_EQ(list.titles, (std::vector<std::string>{"Bauform*", "Bezeichnung"}));
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"SOT23", "SOT23", "TO92", "to92"}));
}

TEST(CategoryListSort, RedOnlyWhenAPositiveTargetIsNotExceeded) {
    std::vector<PartRow> rows = {Row(0, "a", 5, 5), Row(1, "b", 4, 5), Row(2, "c", 6, 5),
                                 Row(3, "d", 0, 0), Row(4, "e", -3, -1)};
    const ShownList list = SortCategoryList(rows, Columns({1, 13}), SortState{}, -1);
    const std::vector<Rgb> red(2, kShortageText);
    const std::vector<Rgb> normal(2, kNormalText);
    ASSERT_EQ(list.rows.size(), 5u);
    EXPECT_EQ(list.rows[0].colours, red);
    EXPECT_EQ(list.rows[1].colours, red);
    EXPECT_EQ(list.rows[2].colours, normal);
    EXPECT_EQ(list.rows[3].colours, normal);
    EXPECT_EQ(list.rows[4].colours, normal);
    EXPECT_EQ(list.rows[0].icon, RowIcon::None);
}

TEST(CategoryListSort, SelectsTheRowOfTheSlotElseTheFirst) {
    std::vector<PartRow> rows = {Row(7, "c"), Row(3, "a"), Row(5, "b")};
    EXPECT_EQ(SortCategoryList(rows, Columns({1}), SortState{}, 7).selectedRow, 2);
    EXPECT_EQ(SortCategoryList(rows, Columns({1}), SortState{}, 4).selectedRow, 0);
    EXPECT_EQ(SortCategoryList(rows, Columns({1}), SortState{}, -1).selectedRow, 0);
    std::vector<PartRow> none;
    EXPECT_EQ(SortCategoryList(none, Columns({1}), SortState{}, 1).selectedRow, -1);
}

PartRow Position(int slot, std::string name, int amount, double unitPrice, bool hidden = false,
                 std::string orderNumber = "") {
    PartRow row = Row(slot, std::move(name), amount, hidden ? 1 : 0);
    row.unitPrice = unitPrice;
    row.total = unitPrice * amount;
    row.Text(6) = std::move(orderNumber);
    return row;
}

TEST(OrderListSort, RowsShowFixedColumnsTwoDecimalPricesAndHiddenPositions) {
    std::vector<PartRow> rows = {Position(0, "Diode", 3, 1.25, false, "D-1"),
                                 Position(1, "Kondensator", 4, 2.5, true, "K-9"),
                                 Position(2, "Relais", 0, 3.0, false, "R-7"),
                                 Position(3, "Quarz", 2, 0.1)};
    const ShownList list = SortOrderList(rows, SortState{}, -1);
    EXPECT_EQ(list.titles, (std::vector<std::string>{"Menge", "Bestell-Nr.", "Bezeichnung*",
                                                     "Einzelpreis", "Gesamtpreis"}));
    ASSERT_EQ(list.rows.size(), 5u);
    EXPECT_EQ(list.rows[0].texts, (std::vector<std::string>{"3", "D-1", "Diode", "1,25", "3,75"}));
    EXPECT_EQ(list.rows[1].texts,
              (std::vector<std::string>{"0 (4)", "K-9", "Kondensator", "2,50", "0,00"}));
    EXPECT_EQ(list.rows[2].texts, (std::vector<std::string>{"2", "", "Quarz", "0,10", "0,20"}));
    EXPECT_EQ(list.rows[3].texts, (std::vector<std::string>{"0", "R-7", "Relais", "3,00", "0,00"}));
    EXPECT_EQ(list.rows[0].icon, RowIcon::ShownPosition);
    EXPECT_EQ(list.rows[1].icon, RowIcon::HiddenPosition);
    EXPECT_EQ(list.rows[3].icon, RowIcon::ZeroAmount);

    // The sum row: the hidden position adds nothing.
    const ShownRow& sum = list.rows[4];
    EXPECT_EQ(sum.texts, (std::vector<std::string>{"", "", "Gesamtsumme:", "", "3,95"}));
    EXPECT_EQ(sum.itemData, -1);
    EXPECT_EQ(sum.colours,
              (std::vector<Rgb>{kNormalText, kNormalText, kSumText, kNormalText, kSumText}));
    EXPECT_EQ(sum.colours[2], (Rgb{0, 0, 255}));
    EXPECT_EQ(list.selectedRow, 0);
}

TEST(OrderListSort, EachSortColumnUsesItsKeyAfterTheName) {
    std::vector<PartRow> rows = {Position(0, "b", 10, 9.5, false, "X2"),
                                 Position(1, "a", 9, 10.0, false, "x10"),
                                 Position(2, "c", 9, 1.0, false, "X1")};
    SortState sort;
    sort.orderSortColumn = 0;  // amount as integer; equal amounts stay by name
    ShownList list = SortOrderList(rows, sort, -1);
    EXPECT_EQ(Slots(list), (std::vector<int>{1, 2, 0, -1}));
    EXPECT_EQ(list.titles[0], "Menge*");
    sort.orderSortColumn = 1;  // order number as text
    EXPECT_EQ(Slots(SortOrderList(rows, sort, -1)), (std::vector<int>{2, 1, 0, -1}));
    sort.orderSortColumn = 3;  // unit price as number
    EXPECT_EQ(Slots(SortOrderList(rows, sort, -1)), (std::vector<int>{2, 0, 1, -1}));
    sort.orderSortColumn = 4;  // total: 9, 90, 95
    list = SortOrderList(rows, sort, -1);
    EXPECT_EQ(Slots(list), (std::vector<int>{2, 1, 0, -1}));
    EXPECT_EQ(list.titles[4], "Gesamtpreis*");
    sort.descending = true;
    sort.orderSortColumn = 2;
    EXPECT_EQ(Slots(SortOrderList(rows, sort, 1)), (std::vector<int>{2, 0, 1, -1}));
    EXPECT_EQ(SortOrderList(rows, sort, 1).selectedRow, 2);
    EXPECT_EQ(SortOrderList(rows, sort, -1).selectedRow, 0);
}

// The list must add up on screen: the sum is that of the totals as shown, each
// already rounded to its two decimals, not of the unrounded products.
TEST(OrderListSort, SumAddsTheRowTotalsAsShown) {
    std::vector<PartRow> rows = {Position(0, "a", 3, 0.333), Position(1, "b", 6, 0.333),
                                 Position(2, "c", 4, 2.5, true)};
    const ShownList sorted = SortOrderList(rows, SortState{}, -1);
    ASSERT_EQ(sorted.rows.size(), 4u);
    EXPECT_EQ(sorted.rows[0].texts, (std::vector<std::string>{"3", "", "a", "0,33", "1,00"}));
    EXPECT_EQ(sorted.rows[1].texts, (std::vector<std::string>{"6", "", "b", "0,33", "2,00"}));
    EXPECT_EQ(sorted.rows[2].texts[4], "0,00");  // hidden
    EXPECT_EQ(sorted.rows[3].texts[4], "3,00");

    ShownList list;
    list.rows.resize(4);
    list.rows[0].texts = {"3", "", "a", "0,33", "1,00"};
    list.rows[1].texts = {"0 (9)", "", "b", "100,00", "0,00"};
    list.rows[2].texts = {"viele", "", "c", "3,00", "kaputt"};
    list.rows[3].texts = {"", "", "Gesamtsumme:", "", ""};
    SumOrderList(list);
    EXPECT_EQ(list.rows[3].texts[4], "1,00");

    ShownList empty;
    SumOrderList(empty);  // nothing to write into
    EXPECT_TRUE(empty.rows.empty());
    std::vector<PartRow> none;
    EXPECT_TRUE(SortOrderList(none, SortState{}, -1).rows.empty());
}

}  // namespace
