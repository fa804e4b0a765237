#include "lists/PartList.h"

#include "lists/CategoryTree.h"

namespace {

void SetRange(CommandChanges& changes, Command first, Command last, bool enabled) {
    for (int number = CommandNumber(first); number <= CommandNumber(last); ++number) {
        changes.push_back(CommandChange{static_cast<Command>(number), enabled});
    }
}

void Set(CommandChanges& changes, Command command, bool enabled) {
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
        Set(changes, Command::NewCategory, true);
        SetRange(changes, Command::EditCategory, Command::SortDescending, false);
        Set(changes, Command::Search, true);
        return changes;
    }
    if (itemTag == kTagOrderRoot) {
        SetRange(changes, Command::NewCategory, Command::SortDescending, false);
        return changes;
    }
    if (IsCategoryNumber(itemTag)) {
        SetRange(changes, Command::NewCategory, Command::Print, true);
        if (rowCount > 0) {
            SetRange(changes, Command::NewPart, Command::SortDescending, true);
            // A category with parts cannot be deleted.
            Set(changes, Command::DeleteCategory, false);
            if (!clipboardHoldsPart) {
                Set(changes, Command::PastePart, false);
            }
        } else {
            SetRange(changes, Command::NewPart, Command::SortDescending, false);
            Set(changes, Command::Search, true);
            Set(changes, Command::NewPart, true);
            if (clipboardHoldsPart) {
                Set(changes, Command::PastePart, true);
            }
        }
        return changes;
    }
    if (IsOrderListNumber(itemTag)) {
        Set(changes, Command::NewCategory, false);
        Set(changes, Command::EditCategory, true);
        Set(changes, Command::DeleteCategory, false);
        Set(changes, Command::Print, false);
        SetRange(changes, Command::NewPart, Command::SortDescending, false);
        if (rowCount > 0) {
            for (Command command : {Command::Print, Command::EditPart, Command::DeletePart,
                                    Command::SortAscending, Command::SortDescending}) {
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
