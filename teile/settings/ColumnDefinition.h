#pragma once
// The rules of the column definition dialog, without a window: the fourteen
// rows it shows for a column table, the width it remembers per content, when
// it may save, and the column table its rows make.

#include <array>
#include <string>
#include <vector>

#include "lists/ListState.h"

// One row of the dialog. Content 0 is "NICHT ANZEIGEN".
struct ColumnChoice {
    int content = 0;
    int alignment = kAlignLeft;
    bool operator==(const ColumnChoice&) const = default;
};
using ColumnChoices = std::array<ColumnChoice, kMaxListColumns>;

// Width per content 1-14 (index 0 unused): what a column of that content gets.
using ContentWidths = std::array<int, kMaxListColumns + 1>;

// A content not shown before gets this width.
inline constexpr int kNewColumnWidth = 100;

// The entries of a content list: "NICHT ANZEIGEN", then "Bezeichnung" ... "Soll"
// for the contents 1-14 (the dialog names range "U/I/P" and the order numbers
// in full). cp1252.
const std::vector<std::string>& ColumnContentEntries();
// "Links", "Rechts", "Mitte": alignments 0, 1, 2.
const std::vector<std::string>& ColumnAlignmentEntries();

// Row j shows column j of the table; the rows below it "NICHT ANZEIGEN".
ColumnChoices ChoicesOf(const ColumnSet& columns);
// 100 for every content, then each column's width for its content.
ContentWidths RememberedWidths(const ColumnSet& columns);
// "Speichern" is available while at least one row shows something.
bool AnyColumnChosen(const ColumnChoices& rows);
// The rows from top to bottom without those on "NICHT ANZEIGEN": the chosen
// ones close up, and a content chosen twice shows twice.
ColumnSet BuildColumnSet(const ColumnChoices& rows, const ContentWidths& widths);
