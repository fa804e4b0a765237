#pragma once
// The part list control: its column sets (SwitchListColumns), the rows of the
// list on show kept for sorting again, the selected row, and the column
// widths the user drags, which go back into the settings.

#include <QObject>

#include <optional>
#include <vector>

#include "MainWindowRules.h"
#include "WindowSettings.h"
#include "lists/PartList.h"
#include "lists/TreeEntryId.h"

class PartListModel;
class QTableView;

class PartListPanel : public QObject {
    Q_OBJECT

public:
    PartListPanel(QTableView* view, Settings& settings, QObject* parent = nullptr);

    QTableView* View() const { return view_; }
    ListMode Mode() const { return mode_; }

    // Category columns from the column table, or the five order columns with
    // their widths; the list is empty afterwards.
    void SwitchListColumns(ListMode mode);
    // Shows a loaded list (nothing when it has no rows) and selects its row.
    void Show(PartListLoad load);
    void Clear();
    // Sorts the rows on show, the list of `entry`, again. The selected row
    // stays selected.
    void SortAgain(TreeEntryId entry, const SortState& sort);
    // Selects the row of a slot (the first row when none has it).
    void SelectSlot(int slot);

    int ShownRowCount() const;
    // Item data of the selected row: its slot, -1 for the sum row.
    std::optional<int> SelectedItemData() const;
    std::vector<int> ShownSlots() const;

signals:
    // The selection moved; nullopt when no row is selected. Only while the
    // list has rows.
    void SelectedRowChanged(std::optional<int> itemData);
    // Left or right double click on a row of a part or an order position.
    void RowDoubleClicked(bool rightButton);
    void HeaderClicked(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectRow(int row);
    void TakeBackWidth(int column, int width);

    QTableView* view_;
    PartListModel* model_;
    Settings& settings_;
    ListMode mode_ = ListMode::Category;
    std::vector<PartRow> rows_;
    bool settingWidths_ = false;
};
