#pragma once
// The decisions of the main window that depend on data: what Enter and Delete
// run, what a tree selection or a selected row of the part list changes, and
// which sort a header click asks for. The shell only applies the results.

#include <optional>
#include <string>

#include "CommandState.h"
#include "Commands.h"
#include "lists/ListState.h"

// The keys of the main window that run a command of the focused control.
enum class ShortcutKey { Enter, Delete };
// The control of the main window that has the keyboard focus.
enum class FocusedControl { Other, CategoryTree, PartList };

// The command a key runs: EditPart or DeletePart while the part list has the
// focus and a row is selected, else EditCategory or DeleteCategory while the
// tree has it and an entry is selected; only when that command is enabled.
// Nothing when the key does nothing.
std::optional<Command> CommandOfKey(ShortcutKey key, FocusedControl focus, bool rowSelected,
                                    bool treeEntrySelected, const CommandState& state);

// Whether the part list shows parts (the categories and their root) or the
// positions of an order (the order lists and their root).
enum class ListMode { Category, Order };
ListMode ListModeOfTag(int itemTag);

// What a new selection in the category tree does, in this order: switch the
// part list's columns, show the entry's list, remember the mode.
struct TreeSelectionStep {
    bool switchColumns = false;
    bool showList = false;
    ListMode mode = ListMode::Category;
};
// `index` is the entry's row in the tree, `lastIndex` the one selected last:
// choosing the same category again keeps its list without reading the file;
// an order list is always read again.
TreeSelectionStep TreeSelectionFor(int itemTag, int index, int lastIndex, ListMode current);

// The availability of the part commands once a row of the part list is
// selected (`rowItemData` is its slot, -1 for the sum row of an order list)
// or none is (nullopt). In a category, delete follows the stock of the part
// as stored in its file.
CommandChanges SelectedRowCommands(const std::string& folder, int itemTag,
                                   std::optional<int> rowItemData);

// EditCategory and DeleteCategory name nothing on the two roots, and an order list is named
// in the supplier dialog, never deleted: the window refuses them there.
bool EditCategoryAppliesTo(int itemTag);
bool DeleteCategoryAppliesTo(int itemTag);

// A click on the header column `column` makes it the sort column of the kind
// of list shown; the root "Bestellungen" shows no list, and keeps both.
void ChooseSortColumn(SortState& sort, int itemTag, int column);

// The stored name of a category (key "k" + number of group "kategorie").
std::string CategoryNameOf(const std::string& folder, int category);

// "Kleindruck (Bestelllung)": on exactly while key "klein" of group
// "ausgabe" reads "JA". Storing writes "JA" or removes the key; false when
// "teile.dat" could not be written.
bool SmallPrintIsOn(const std::string& folder);
[[nodiscard]] bool StoreSmallPrint(const std::string& folder, bool on);
