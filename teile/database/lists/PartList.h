#pragma once
// Loading the list of a tree entry: the rows, what the list shows, the
// status-bar text and which commands the entry allows.

#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "lists/ListState.h"
#include "lists/PartRows.h"
#include "lists/SortPartList.h"

struct PartListLoad {
    std::vector<PartRow> rows;  // sorted, kept for later re-sorting
    ShownList shown;            // no rows at all when the list is empty
    std::string statusText;     // status-bar field 1
    int RowCount() const { return static_cast<int>(rows.size()); }
};

// Reads list `listNumber` (0-49 a category, 901-903 an order list) from
// `folder`, sorts and displays it, selecting the row of slotToSelect (else the
// first). Status: "3 Teil(e) in dieser Kategorie", "2 Position(en) in dieser
// Bestellung".
PartListLoad FillPartList(const std::string& folder, int listNumber, int slotToSelect,
                          const ColumnSet& columns, const SortState& sort);

// "<n> Teil(e) in dieser Kategorie" or "<n> Position(en) in dieser Bestellung".
std::string ListCountText(int count, bool orderList);

// The availability changes for a tree entry with rowCount rows on show, in the
// order the window applies them.
CommandChanges SelectedListCommands(int itemTag, int rowCount, bool clipboardHoldsPart);

// What the list of a tree entry shows. For the two roots and empty lists the
// status text is the hint ("Kategorie auswählen", "Lieferant auswählen",
// "keine Teile in dieser Kategorie", "keine Positionen in dieser Bestellung").
struct SelectedList {
    int itemTag = -1;
    int mode = -1;  // 0 a category, 1-3 an order list, -1 a root (no list)
    PartListLoad list;
    std::string statusText;  // status-bar field 1
    CommandChanges commands;
};

SelectedList ShowSelectedList(const std::string& folder, int itemTag, bool clipboardHoldsPart,
                              const ColumnSet& columns, const SortState& sort);
