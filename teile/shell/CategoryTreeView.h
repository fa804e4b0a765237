#pragma once
// The category tree: the two roots with the categories and the order lists
// below them, each entry carrying its item tag. A thin view over the engine's
// CategoryTree; the changes after a record operation come as a TreeUpdate.

#include <QTreeWidget>

#include "lists/CategoryTree.h"
#include "lists/TreeEntryId.h"
#include "records/OperationOutcome.h"

class CategoryTreeView : public QTreeWidget {
    Q_OBJECT

public:
    explicit CategoryTreeView(QWidget* parent = nullptr);

    // Rebuilds every entry; nothing is selected afterwards.
    void Fill(const CategoryTree& tree);

    // None when nothing is selected.
    TreeEntryId Selected() const;
    // The selected entry's row counted over all entries from the top, -1 none.
    int SelectedIndex() const;
    void SelectIndex(int index);
    // False when the tree has no such entry.
    bool Select(TreeEntryId entry);
    int CategoryCount() const;
    // Every entry counted from the top, roots included; the entry at a row
    // (None beyond the last), as the search walks them.
    int EntryCount() const;
    TreeEntryId EntryAt(int index) const;

    // InsertCategory: after the last category, selected. RenameSelected.
    // RemoveSelected: the next category (the one before when it was the
    // last) is selected, or the root "Kategorien" when none is left.
    // Selection signals stay quiet; the caller shows the list.
    void Apply(const TreeUpdate& update);

signals:
    // A new entry became the selected one through the user or SelectIndex.
    void SelectionChanged();

private:
    QTreeWidgetItem* Root(TreeEntryId root) const;
    QTreeWidgetItem* ItemAt(int index) const;
    void SelectQuietly(QTreeWidgetItem* item);
};
