#include "CategoryTreeView.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "Images.h"
#include "WindowText.h"

namespace {

constexpr int kTagRole = Qt::UserRole;

QTreeWidgetItem* MakeItem(int tag, const std::string& text, bool root) {
    auto* item = new QTreeWidgetItem(QStringList{ToWindowText(text)});
    item->setData(0, kTagRole, tag);
    item->setIcon(0, BuiltInImage(root ? kImageRoot : kImageTreeEntry));
    return item;
}

TreeEntryId EntryOf(const QTreeWidgetItem* item) {
    return item ? TreeEntryId::OfItemTag(item->data(0, kTagRole).toInt()) : TreeEntryId{};
}

}  // namespace

CategoryTreeView::CategoryTreeView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("categoryTree");
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) {
            emit SelectionChanged();
        }
    });
}

void CategoryTreeView::Fill(const CategoryTree& tree) {
    const QSignalBlocker quiet(this);
    clear();
    QTreeWidgetItem* root = nullptr;
    for (const TreeEntry& entry : tree.entries) {
        if (entry.level == 0) {
            root = MakeItem(entry.itemTag, entry.text, true);
            addTopLevelItem(root);
        } else if (root) {
            root->addChild(MakeItem(entry.itemTag, entry.text, false));
        }
    }
    expandAll();
    setCurrentItem(nullptr);
}

TreeEntryId CategoryTreeView::Selected() const { return EntryOf(currentItem()); }

int CategoryTreeView::SelectedIndex() const {
    const QTreeWidgetItem* selected = currentItem();
    if (!selected) {
        return -1;
    }
    int index = 0;
    for (int top = 0; top < topLevelItemCount(); ++top) {
        const QTreeWidgetItem* root = topLevelItem(top);
        if (root == selected) {
            return index;
        }
        ++index;
        for (int child = 0; child < root->childCount(); ++child, ++index) {
            if (root->child(child) == selected) {
                return index;
            }
        }
    }
    return -1;
}

QTreeWidgetItem* CategoryTreeView::ItemAt(int index) const {
    for (int top = 0; top < topLevelItemCount() && index >= 0; ++top) {
        QTreeWidgetItem* root = topLevelItem(top);
        if (index == 0) {
            return root;
        }
        --index;
        if (index < root->childCount()) {
            return root->child(index);
        }
        index -= root->childCount();
    }
    return nullptr;
}

void CategoryTreeView::SelectIndex(int index) {
    if (QTreeWidgetItem* item = ItemAt(index)) {
        setCurrentItem(item);
    }
}

bool CategoryTreeView::Select(TreeEntryId entry) {
    for (int index = 0; QTreeWidgetItem* item = ItemAt(index); ++index) {
        if (EntryOf(item) == entry) {
            setCurrentItem(item);
            return true;
        }
    }
    return false;
}

int CategoryTreeView::CategoryCount() const {
    const QTreeWidgetItem* root = Root(TreeEntryId::CategoryRoot());
    return root ? root->childCount() : 0;
}

int CategoryTreeView::EntryCount() const {
    int count = 0;
    for (int top = 0; top < topLevelItemCount(); ++top) {
        count += 1 + topLevelItem(top)->childCount();
    }
    return count;
}

TreeEntryId CategoryTreeView::EntryAt(int index) const { return EntryOf(ItemAt(index)); }

QTreeWidgetItem* CategoryTreeView::Root(TreeEntryId root) const {
    for (int top = 0; top < topLevelItemCount(); ++top) {
        if (EntryOf(topLevelItem(top)) == root) {
            return topLevelItem(top);
        }
    }
    return nullptr;
}

void CategoryTreeView::SelectQuietly(QTreeWidgetItem* item) {
    const QSignalBlocker quiet(this);
    setCurrentItem(item);
    if (item) {
        scrollToItem(item);
    }
}

void CategoryTreeView::Apply(const TreeUpdate& update) {
    QTreeWidgetItem* selected = currentItem();
    switch (update.change) {
    case TreeChange::None: return;
    case TreeChange::InsertCategory:
        if (QTreeWidgetItem* root = Root(TreeEntryId::CategoryRoot())) {
            QTreeWidgetItem* item = MakeItem(update.tag, update.text, false);
            root->addChild(item);
            root->setExpanded(true);
            SelectQuietly(item);
        }
        return;
    case TreeChange::RenameSelected:
        if (selected) {
            selected->setText(0, ToWindowText(update.text));
        }
        return;
    case TreeChange::RemoveSelected:
        if (selected && selected->parent()) {
            QTreeWidgetItem* parentItem = selected->parent();
            const int row = parentItem->indexOfChild(selected);
            {
                const QSignalBlocker quiet(this);
                delete selected;
            }
            const int count = parentItem->childCount();
            SelectQuietly(count == 0 ? parentItem
                                     : parentItem->child(row < count ? row : count - 1));
        }
        return;
    }
}
