#include "MainWindowRules.h"

#include "DataFiles.h"
#include "DeletionRule.h"
#include "IniStore.h"
#include "lists/CategoryTree.h"

namespace {

constexpr std::string_view kOutputGroup = "ausgabe";
constexpr std::string_view kSmallPrintKey = "klein";
constexpr std::string_view kSmallPrintOn = "JA";

}  // namespace

std::optional<Command> CommandOfKey(ShortcutKey key, FocusedControl focus, bool rowSelected,
                                    bool treeEntrySelected, const CommandState& state) {
    const bool enter = key == ShortcutKey::Enter;
    if (focus == FocusedControl::PartList && rowSelected) {
        const Command command = enter ? Command::EditPart : Command::DeletePart;
        if (state.IsEnabled(command)) {
            return command;
        }
    } else if (focus == FocusedControl::CategoryTree && treeEntrySelected) {
        const Command command = enter ? Command::EditCategory : Command::DeleteCategory;
        if (state.IsEnabled(command)) {
            return command;
        }
    }
    return std::nullopt;
}

ListMode ListModeOfTag(int itemTag) {
    return itemTag >= kTagOrderRoot ? ListMode::Order : ListMode::Category;
}

TreeSelectionStep TreeSelectionFor(int itemTag, int index, int lastIndex, ListMode current) {
    TreeSelectionStep step;
    step.mode = ListModeOfTag(itemTag);
    step.switchColumns = step.mode != current;
    step.showList = step.mode == ListMode::Order || index != lastIndex;
    return step;
}

CommandChanges SelectedRowCommands(const std::string& folder, int itemTag,
                                   std::optional<int> rowItemData) {
    if (!rowItemData) {
        return {{Command::NewPartFromCopy, false},
                {Command::EditPart, false},
                {Command::DeletePart, false},
                {Command::CutPart, false},
                {Command::CopyPart, false}};
    }
    if (ListModeOfTag(itemTag) == ListMode::Order) {
        const bool position = *rowItemData != -1;  // not the "Gesamtsumme:" row
        return {{Command::EditPart, position},
                {Command::DeletePart, position},
                {Command::CopyPart, position}};
    }
    CommandChanges changes = {{Command::NewPartFromCopy, true},
                              {Command::EditPart, true},
                              {Command::CutPart, true},
                              {Command::CopyPart, true}};
    std::string record;
    if (IsCategoryNumber(itemTag) && *rowItemData >= 0) {
        record = ReadIniValue(kListGroup, SlotKey(*rowItemData), ListFilePath(folder, itemTag));
    }
    // A part whose record is gone reads as stock 0, like any empty value.
    changes.push_back(DeletionRuleFor(record));
    return changes;
}

bool EditCategoryAppliesTo(int itemTag) { return IsListNumber(itemTag); }

bool DeleteCategoryAppliesTo(int itemTag) { return IsCategoryNumber(itemTag); }

void ChooseSortColumn(SortState& sort, int itemTag, int column) {
    if (IsOrderListNumber(itemTag)) {
        sort.orderSortColumn = column;
    } else if (ListModeOfTag(itemTag) == ListMode::Category) {
        sort.categorySortColumn = column;
    }
}

std::string CategoryNameOf(const std::string& folder, int category) {
    return ReadIniValue(kCategoryGroup, CategoryNameKey(category), MainFilePath(folder));
}

bool SmallPrintIsOn(const std::string& folder) {
    return ReadIniValue(kOutputGroup, kSmallPrintKey, MainFilePath(folder)) == kSmallPrintOn;
}

bool StoreSmallPrint(const std::string& folder, bool on) {
    return WriteIniValue(kOutputGroup, kSmallPrintKey, on ? kSmallPrintOn : "",
                         MainFilePath(folder));
}
