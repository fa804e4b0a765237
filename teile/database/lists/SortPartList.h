#pragma once
// Sorting the rows read and turning them into what the part list displays:
// titles, per row the texts per column, colours, icon and item data, and the
// row to select.

#include <string>
#include <vector>

#include "lists/ListState.h"
#include "lists/PartRows.h"

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kNormalText{0, 0, 0};
inline constexpr Rgb kShortageText{255, 0, 0};  // stock not above a positive target
inline constexpr Rgb kSumText{0, 0, 255};

// Order rows carry one of three icons; category rows none.
enum class RowIcon { None, HiddenPosition, ZeroAmount, ShownPosition };

inline constexpr int kSumRowItemData = -1;

struct ShownRow {
    std::vector<std::string> texts;  // one per column
    std::vector<Rgb> colours;        // one per column
    RowIcon icon = RowIcon::None;
    int itemData = kSumRowItemData;  // the row's slot; -1 for the sum row
};

struct ShownList {
    std::vector<std::string> titles;  // the sorted column's title ends in "*"
    std::vector<ShownRow> rows;
    int selectedRow = -1;  // index into rows, -1 when there are none
};

// Category lists: sorts `rows` in place by the leftmost column's field, then
// by the sort column's field (fields 1-12 as text, 13 and 14 as integers,
// letter case ignored, direction from `sort`), and displays them.
ShownList SortCategoryList(std::vector<PartRow>& rows, const ColumnSet& columns,
                           const SortState& sort, int slotToSelect);

// Order lists: sorts by name, then by the order sort column, displays the
// five fixed columns and appends the "Gesamtsumme:" row with its sum.
ShownList SortOrderList(std::vector<PartRow>& rows, const SortState& sort, int slotToSelect);

// Mode 0 a category list, 1-3 an order list.
ShownList SortPartList(std::vector<PartRow>& rows, int mode, const ColumnSet& columns,
                       const SortState& sort, int slotToSelect);

// Writes into the total column of the last row (the sum row) the sum over all
// other rows of their total texts as shown (two decimals each).
void SumOrderList(ShownList& list);

// The text of `field` (1-14) of a category row: 13 and 14 as decimal text.
std::string CategoryCellText(const PartRow& row, int field);
// Red when the target is above 0 and the stock not above it.
bool IsShortage(const PartRow& row);
