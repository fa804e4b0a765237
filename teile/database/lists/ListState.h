#pragma once
// What decides how a part list looks apart from its rows: the column set of
// category lists and the process-wide sort state. The settings fill the
// columns from "teile.dat"; until then a new installation's layout applies.

#include <string>
#include <string_view>
#include <vector>

enum ColumnAlignment : int {
    kAlignLeft = 0,
    kAlignRight = 1,
    kAlignCentred = 2,
};

// One column of a category list: which record field (1-14) it shows.
struct ListColumn {
    int content = 1;
    std::string title;
    int width = 100;
    int alignment = kAlignLeft;
    bool operator==(const ListColumn&) const = default;
};
using ColumnSet = std::vector<ListColumn>;

inline constexpr int kMaxListColumns = 14;
inline constexpr int kNarrowestColumn = 50;

// The header title of a content: "Bezeichnung", "Bemerkung", "UIP", ...,
// "Menge", "Soll"; "" outside 1-14.
std::string ColumnTitleOf(int content);
ListColumn MakeListColumn(int content, int width, int alignment);

// The layout a new installation shows: name, remark, range, package,
// tolerance (centred), stock (centred), storage place.
ColumnSet DefaultListColumns();

// The five fixed columns of an order list.
inline constexpr int kOrderColumnAmount = 0;
inline constexpr int kOrderColumnOrderNumber = 1;
inline constexpr int kOrderColumnName = 2;
inline constexpr int kOrderColumnUnitPrice = 3;
inline constexpr int kOrderColumnTotal = 4;
inline constexpr int kOrderColumnCount = 5;
const std::vector<std::string>& OrderColumnTitles();

// Sorting lives for the program run and is never stored.
struct SortState {
    bool descending = false;     // "Aufsteigend" (default) / "Absteigend"
    int categorySortColumn = 0;  // index into the column set
    int orderSortColumn = kOrderColumnName;
};
