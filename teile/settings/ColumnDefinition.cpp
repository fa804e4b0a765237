#include "ColumnDefinition.h"

namespace {

bool IsContent(int content) { return content >= 1 && content <= kMaxListColumns; }

int AlignmentOrLeft(int alignment) {
    return alignment == kAlignRight || alignment == kAlignCentred ? alignment : kAlignLeft;
}

}  // namespace

const std::vector<std::string>& ColumnContentEntries() {
    static const std::vector<std::string> entries = {
        "NICHT ANZEIGEN", "Bezeichnung",     "Bemerkung",       "U/I/P",           "Bauform",
        "Toleranz",       "Bestellnummer 1", "Bestellnummer 2", "Bestellnummer 3", "Preis 1",
        "Preis 2",        "Preis 3",         "Lagerort",        "Menge",           "Soll",
    };
    return entries;
}

const std::vector<std::string>& ColumnAlignmentEntries() {
    static const std::vector<std::string> entries = {"Links", "Rechts", "Mitte"};
    return entries;
}

ColumnChoices ChoicesOf(const ColumnSet& columns) {
    ColumnChoices rows{};
    std::size_t row = 0;
    for (const ListColumn& column : columns) {
        if (row == rows.size()) {
            break;
        }
        if (IsContent(column.content)) {
            rows[row] = ColumnChoice{column.content, AlignmentOrLeft(column.alignment)};
        }
        ++row;
    }
    return rows;
}

ContentWidths RememberedWidths(const ColumnSet& columns) {
    ContentWidths widths;
    widths.fill(kNewColumnWidth);
    for (const ListColumn& column : columns) {
        if (IsContent(column.content)) {
            widths[static_cast<std::size_t>(column.content)] = column.width;
        }
    }
    return widths;
}

bool AnyColumnChosen(const ColumnChoices& rows) {
    for (const ColumnChoice& row : rows) {
        if (IsContent(row.content)) {
            return true;
        }
    }
    return false;
}

ColumnSet BuildColumnSet(const ColumnChoices& rows, const ContentWidths& widths) {
    ColumnSet columns;
    for (const ColumnChoice& row : rows) {
        if (IsContent(row.content)) {
            columns.push_back(MakeListColumn(row.content,
                                             widths[static_cast<std::size_t>(row.content)],
                                             AlignmentOrLeft(row.alignment)));
        }
    }
    return columns;
}
