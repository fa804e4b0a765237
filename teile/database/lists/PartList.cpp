#include "lists/PartList.h"

#include "lists/CategoryTree.h"

namespace {

void SetRange(CommandChanges& changes, CommandId first, CommandId last, bool enabled) {
    for (int command = first; command <= last; ++command) {
        changes.push_back(CommandChange{static_cast<CommandId>(command), enabled});
    }
}

void Set(CommandChanges& changes, CommandId command, bool enabled) {
    changes.push_back(CommandChange{command, enabled});
}

}  // namespace

std::string ListCountText(int count, bool orderList) {
    return std::to_string(count) +
           (orderList ? " Position(en) in dieser Bestellung" : " Teil(e) in dieser Kategorie");
}

PartListLoad FillPartList(const std::string& folder, int listNumber, int slotToSelect,
                          const ColumnSet& columns, const SortState& sort) {
    PartListLoad load;
    const int mode = SupplierOfList(listNumber);
    load.rows = ReadPartRows(folder, listNumber);
    if (!load.rows.empty()) {
        load.shown = SortPartList(load.rows, mode, columns, sort, slotToSelect);
    }
    load.statusText = ListCountText(load.RowCount(), mode > 0);
    return load;
}

CommandChanges SelectedListCommands(int itemTag, int rowCount, bool clipboardHoldsPart) {
    CommandChanges changes;
    if (itemTag == kTagCategoryRoot) {
        Set(changes, kCommandNewCategory, true);
        SetRange(changes, kCommandEditCategory, kCommandSortDescending, false);
        Set(changes, kCommandSearch, true);
        return changes;
    }
    if (itemTag == kTagOrderRoot) {
        SetRange(changes, kCommandNewCategory, kCommandSortDescending, false);
        return changes;
    }
    if (IsCategoryNumber(itemTag)) {
        SetRange(changes, kCommandNewCategory, kCommandPrint, true);
        if (rowCount > 0) {
            SetRange(changes, kCommandNewPart, kCommandSortDescending, true);
            // A category with parts cannot be deleted.
            Set(changes, kCommandDeleteCategory, false);
            if (!clipboardHoldsPart) {
                Set(changes, kCommandPastePart, false);
            }
        } else {
            SetRange(changes, kCommandNewPart, kCommandSortDescending, false);
            Set(changes, kCommandSearch, true);
            Set(changes, kCommandNewPart, true);
            if (clipboardHoldsPart) {
                Set(changes, kCommandPastePart, true);
            }
        }
        return changes;
    }
    if (IsOrderListNumber(itemTag)) {
        Set(changes, kCommandNewCategory, false);
        Set(changes, kCommandEditCategory, true);
        Set(changes, kCommandDeleteCategory, false);
        Set(changes, kCommandPrint, false);
        SetRange(changes, kCommandNewPart, kCommandSortDescending, false);
        if (rowCount > 0) {
            for (CommandId command : {kCommandPrint, kCommandEditPart, kCommandDeletePart,
                                      kCommandSortAscending, kCommandSortDescending}) {
                Set(changes, command, true);
            }
        }
        return changes;
    }
    return changes;
}

SelectedList ShowSelectedList(const std::string& folder, int itemTag, bool clipboardHoldsPart,
                              const ColumnSet& columns, const SortState& sort) {
    SelectedList selected;
    selected.itemTag = itemTag;
    if (itemTag == kTagCategoryRoot) {
        selected.statusText = "Kategorie ausw\xE4hlen";
    } else if (itemTag == kTagOrderRoot) {
        selected.statusText = "Lieferant ausw\xE4hlen";
    } else if (IsCategoryNumber(itemTag) || IsOrderListNumber(itemTag)) {
        selected.mode = SupplierOfList(itemTag);
        selected.list = FillPartList(folder, itemTag, -1, columns, sort);
        if (selected.list.RowCount() > 0) {
            selected.statusText = selected.list.statusText;
        } else {
            selected.statusText = selected.mode == 0 ? "keine Teile in dieser Kategorie"
                                                     : "keine Positionen in dieser Bestellung";
        }
    }
    selected.commands = SelectedListCommands(itemTag, selected.list.RowCount(), clipboardHoldsPart);
    return selected;
}
