#include "lists/SortPartList.h"

#include <algorithm>
#include <numeric>

#include "Records.h"
#include "TextRules.h"

namespace {

template <typename T>
int CompareValues(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Sorts the row indices by `compare` (<0, 0, >0) in the given direction.
// Stable, so rows equal under a later key keep the order of the earlier one.
template <typename Compare>
void SortIndices(std::vector<int>& order, const std::vector<PartRow>& rows, bool descending,
                 Compare compare) {
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const PartRow& left = rows[static_cast<std::size_t>(a)];
        const PartRow& right = rows[static_cast<std::size_t>(b)];
        return descending ? compare(right, left) < 0 : compare(left, right) < 0;
    });
}

void ApplyOrder(std::vector<PartRow>& rows, const std::vector<int>& order) {
    std::vector<PartRow> sorted;
    sorted.reserve(rows.size());
    for (int index : order) {
        sorted.push_back(std::move(rows[static_cast<std::size_t>(index)]));
    }
    rows.swap(sorted);
}

std::vector<int> Identity(std::size_t count) {
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// Rows compared by one of their numbers.
template <auto Member>
int CompareNumber(const PartRow& a, const PartRow& b) {
    return CompareValues(a.*Member, b.*Member);
}

// Rows compared by the text of one record field, letter case ignored.
template <int Field>
int CompareText(const PartRow& a, const PartRow& b) {
    return CompareIgnoringCase(a.Text(Field), b.Text(Field));
}

void SortByField(std::vector<int>& order, const std::vector<PartRow>& rows, int field,
                 bool descending) {
    if (field == kFieldStock) {
        SortIndices(order, rows, descending, CompareNumber<&PartRow::amount>);
    } else if (field == kFieldTarget) {
        SortIndices(order, rows, descending, CompareNumber<&PartRow::target>);
    } else if (field >= 1 && field <= 12) {
        SortIndices(order, rows, descending, [field](const PartRow& a, const PartRow& b) {
            return CompareIgnoringCase(a.Text(field), b.Text(field));
        });
    }
}

using RowComparison = int (*)(const PartRow&, const PartRow&);

// The comparison of an order list's sort column; none for the name column
// and any column an order list does not have: they keep the name order.
RowComparison OrderColumnComparison(int column) {
    switch (column) {
    case kOrderColumnAmount: return CompareNumber<&PartRow::amount>;
    case kOrderColumnOrderNumber: return CompareText<kFieldOrderNumber1>;
    case kOrderColumnUnitPrice: return CompareNumber<&PartRow::unitPrice>;
    case kOrderColumnTotal: return CompareNumber<&PartRow::total>;
    default: return nullptr;
    }
}

// Sorts by name first, then by the sort column (stable, so equal rows stay
// in name order).
void SortOrderRows(std::vector<PartRow>& rows, const SortState& sort) {
    std::vector<int> order = Identity(rows.size());
    SortIndices(order, rows, sort.descending, CompareText<kFieldName>);
    const RowComparison comparison = OrderColumnComparison(sort.orderSortColumn);
    if (comparison != nullptr) {
        SortIndices(order, rows, sort.descending, comparison);
    }
    ApplyOrder(rows, order);
}

ShownRow ShownOrderRow(const PartRow& row) {
    ShownRow shown;
    const bool hidden = row.IsHiddenPosition();
    const std::string amount = std::to_string(row.amount);
    shown.texts = {hidden ? "0 (" + amount + ")" : amount, row.Text(kFieldOrderNumber1),
                   row.Text(kFieldName), PriceText(row.unitPrice),
                   hidden ? std::string("0,00") : PriceText(row.total)};
    shown.colours.assign(kOrderColumnCount, kNormalText);
    shown.icon = hidden ? RowIcon::HiddenPosition
                        : (row.amount == 0 ? RowIcon::ZeroAmount : RowIcon::ShownPosition);
    shown.itemData = row.slot;
    return shown;
}

ShownRow OrderSumRow() {
    ShownRow sum;
    sum.texts.assign(kOrderColumnCount, std::string());
    sum.texts[kOrderColumnName] = "Gesamtsumme:";
    sum.colours.assign(kOrderColumnCount, kNormalText);
    sum.colours[kOrderColumnName] = kSumText;
    sum.colours[kOrderColumnTotal] = kSumText;
    sum.itemData = kSumRowItemData;
    return sum;
}

int RowToSelect(const std::vector<ShownRow>& rows, int slotToSelect) {
    if (rows.empty()) {
        return -1;
    }
    if (slotToSelect >= 0) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].itemData == slotToSelect) {
                return static_cast<int>(i);
            }
        }
    }
    return 0;
}

}  // namespace

std::string CategoryCellText(const PartRow& row, int field) {
    if (field == kFieldStock) {
        return std::to_string(row.amount);
    }
    if (field == kFieldTarget) {
        return std::to_string(row.target);
    }
    if (field >= 1 && field <= 12) {
        return row.Text(field);
    }
    return {};
}

bool IsShortage(const PartRow& row) { return row.target > 0 && row.amount <= row.target; }

ShownList SortCategoryList(std::vector<PartRow>& rows, const ColumnSet& columns,
                           const SortState& sort, int slotToSelect) {
    ShownList list;
    const int columnCount = static_cast<int>(columns.size());
    if (columnCount > 0) {
        const int sortColumn = sort.categorySortColumn >= 0 && sort.categorySortColumn < columnCount
                                   ? sort.categorySortColumn
                                   : 0;
        std::vector<int> order = Identity(rows.size());
        SortByField(order, rows, columns.front().content, sort.descending);
        if (sortColumn != 0) {
            SortByField(order, rows, columns[static_cast<std::size_t>(sortColumn)].content,
                        sort.descending);
        }
        ApplyOrder(rows, order);
        for (const ListColumn& column : columns) {
            list.titles.push_back(column.title);
        }
        list.titles[static_cast<std::size_t>(sortColumn)] += "*";
    }

    list.rows.reserve(rows.size());
    for (const PartRow& row : rows) {
        ShownRow shown;
        shown.texts.reserve(columns.size());
        for (const ListColumn& column : columns) {
            shown.texts.push_back(CategoryCellText(row, column.content));
        }
        shown.colours.assign(columns.size(), IsShortage(row) ? kShortageText : kNormalText);
        shown.itemData = row.slot;
        list.rows.push_back(std::move(shown));
    }
    list.selectedRow = RowToSelect(list.rows, slotToSelect);
    return list;
}

ShownList SortOrderList(std::vector<PartRow>& rows, const SortState& sort, int slotToSelect) {
    SortOrderRows(rows, sort);
    ShownList list;
    list.titles = OrderColumnTitles();
    if (sort.orderSortColumn >= 0 && sort.orderSortColumn < kOrderColumnCount) {
        list.titles[static_cast<std::size_t>(sort.orderSortColumn)] += "*";
    }
    list.rows.reserve(rows.size() + 1);
    for (const PartRow& row : rows) {
        list.rows.push_back(ShownOrderRow(row));
    }
    list.selectedRow = RowToSelect(list.rows, slotToSelect);
    if (!rows.empty()) {
        list.rows.push_back(OrderSumRow());
        SumOrderList(list);
    }
    return list;
}

ShownList SortPartList(std::vector<PartRow>& rows, int mode, const ColumnSet& columns,
                       const SortState& sort, int slotToSelect) {
    if (mode >= 1 && mode <= 3) {
        return SortOrderList(rows, sort, slotToSelect);
    }
    return SortCategoryList(rows, columns, sort, slotToSelect);
}

void SumOrderList(ShownList& list) {
    if (list.rows.empty()) {
        return;
    }
    // The sum of the totals as shown, each already rounded to its cents, so
    // the column adds up on screen and on paper (3 x 0,333 shows "1,00", and
    // so must the sum). A hidden row shows "0,00" and adds nothing.
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < list.rows.size(); ++i) {
        const ShownRow& row = list.rows[i];
        if (row.texts.size() < kOrderColumnCount) {
            continue;
        }
        sum += PriceOfText(row.texts[kOrderColumnTotal]);
    }
    ShownRow& sumRow = list.rows.back();
    if (sumRow.texts.size() < kOrderColumnCount) {
        sumRow.texts.resize(kOrderColumnCount);
    }
    sumRow.texts[kOrderColumnTotal] = PriceText(sum);
}
