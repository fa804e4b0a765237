#pragma once
// The column definition dialog: which record field each of the fourteen
// columns of a category list shows, and its alignment. The shell fills it
// from the column table, opens it through the dialog frame and builds the new
// table on "Speichern"; "Abbrechen" and the close box reject it.

#include <array>

#include "ColumnDefinition.h"
#include "FixedDialog.h"

class DialogBuilder;
class QComboBox;

class ColumnDialog : public FormDialog {
    Q_OBJECT

public:
    explicit ColumnDialog(QWidget* parent = nullptr);

    // Row j shows column j of the table; each content remembers the width of
    // its column. "Speichern" follows the rows.
    void Fill(const ColumnSet& columns);

    ColumnChoices Choices() const;
    // The column table the rows make, with the remembered widths.
    ColumnSet Columns() const;

    QComboBox* ContentList(int row) const;    // row 1-14
    QComboBox* AlignmentList(int row) const;  // row 1-14

private:
    void AddRow(DialogBuilder& build, int row);
    void ContentChanged(int row);
    void UpdateSaveButton();

    std::array<QComboBox*, kMaxListColumns> contentLists_{};
    std::array<QComboBox*, kMaxListColumns> alignmentLists_{};
    ContentWidths widths_{};
};
