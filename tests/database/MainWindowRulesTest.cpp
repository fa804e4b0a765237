#include <gtest/gtest.h>

#include <map>

#include "DataFiles.h"
#include "IniStore.h"
#include "MainWindowRules.h"
#include "TestParts.h"

namespace {

std::map<int, bool> Applied(const CommandChanges& changes) {
    std::map<int, bool> states;
    for (const CommandChange& change : changes) {
        states[CommandNumber(change.command)] = change.enabled;
    }
    return states;
}

CommandState StateWithout(std::initializer_list<Command> disabled) {
    CommandState state;
    for (Command command : disabled) {
        state.Set(command, false);
    }
    return state;
}

// A value of the command type that names no command.
Command Foreign(int number) { return static_cast<Command>(number); }

TEST(CommandState, LaterChangesWinAndForeignNumbersAreIgnored) {
    CommandState state;
    EXPECT_TRUE(state.IsEnabled(Command::NewCategory) && state.IsEnabled(Command::Quit));
    state.Apply(
        {{Command::DeletePart, false}, {Command::Print, false}, {Command::DeletePart, true}});
    state.Set(Foreign(27), false);
    state.Set(Foreign(-1), false);
    EXPECT_TRUE(state.IsEnabled(Command::DeletePart));
    EXPECT_FALSE(state.IsEnabled(Command::Print));
    EXPECT_FALSE(state.IsEnabled(Foreign(27)));
    EXPECT_FALSE(state.IsEnabled(Foreign(112)));
}

TEST(CommandOfKey, TheFocusedControlDecidesAndDisabledCommandsDoNothing) {
    const CommandState all;
    const auto enter = ShortcutKey::Enter;
    const auto del = ShortcutKey::Delete;
    EXPECT_EQ(CommandOfKey(enter, FocusedControl::PartList, true, true, all), Command::EditPart);
    EXPECT_EQ(CommandOfKey(del, FocusedControl::PartList, true, true, all), Command::DeletePart);
    EXPECT_EQ(CommandOfKey(enter, FocusedControl::CategoryTree, true, true, all),
              Command::EditCategory);
    EXPECT_EQ(CommandOfKey(del, FocusedControl::CategoryTree, false, true, all),
              Command::DeleteCategory);

    // A part with stock: delete is disabled, and the tree is not asked instead.
    EXPECT_EQ(CommandOfKey(del, FocusedControl::PartList, true, true,
                           StateWithout({Command::DeletePart})),
              std::nullopt);
    // No category at all: EditCategory disabled.
    EXPECT_EQ(CommandOfKey(enter, FocusedControl::CategoryTree, false, true,
                           StateWithout({Command::EditCategory})),
              std::nullopt);
    // Nothing selected, or the focus elsewhere.
    EXPECT_EQ(CommandOfKey(enter, FocusedControl::PartList, false, true, all), std::nullopt);
    EXPECT_EQ(CommandOfKey(enter, FocusedControl::CategoryTree, true, false, all), std::nullopt);
    EXPECT_EQ(CommandOfKey(del, FocusedControl::Other, true, true, all), std::nullopt);
}

TEST(TreeSelection, SameCategoryKeepsItsListOrderListsAreAlwaysRead) {
    TreeSelectionStep step = TreeSelectionFor(3, 4, 4, ListMode::Category);
    EXPECT_FALSE(step.showList);
    EXPECT_FALSE(step.switchColumns);
    EXPECT_EQ(step.mode, ListMode::Category);

    step = TreeSelectionFor(3, 4, 2, ListMode::Category);
    EXPECT_TRUE(step.showList);
    EXPECT_FALSE(step.switchColumns);

    step = TreeSelectionFor(901, 11, 11, ListMode::Order);
    EXPECT_TRUE(step.showList);
    EXPECT_FALSE(step.switchColumns);
    EXPECT_EQ(step.mode, ListMode::Order);

    step = TreeSelectionFor(900, 10, 3, ListMode::Category);
    EXPECT_TRUE(step.switchColumns);
    EXPECT_EQ(step.mode, ListMode::Order);

    // Back from an order list to the categories: the columns switch, and the
    // root "Kategorien" is shown with the category columns.
    step = TreeSelectionFor(800, 0, 11, ListMode::Order);
    EXPECT_TRUE(step.switchColumns && step.showList);
    EXPECT_EQ(step.mode, ListMode::Category);
}

TEST(SelectedRowCommands, DeleteFollowsTheStoredStock) {
    TempFolder folder;
    TestPart empty = Named("R1");
    TestPart stocked = Named("R2");
    stocked.stock = "2";
    TestPart hexZero = Named("R3");
    hexZero.stock = "$0";
    folder.Write("k4.dat", PartsFile("", {{0, empty}, {3, stocked}, {7, hexZero}}));

    EXPECT_EQ(Applied(SelectedRowCommands(folder.Path(), 4, 0)),
              (std::map<int, bool>{{5, true}, {6, true}, {7, true}, {8, true}, {9, true}}));
    EXPECT_FALSE(Applied(SelectedRowCommands(folder.Path(), 4, 3))[7]);
    EXPECT_TRUE(Applied(SelectedRowCommands(folder.Path(), 4, 7))[7]);

    // The file is read, not the row on show: a stock booked in meanwhile counts.
    ASSERT_TRUE(WriteIniValue("teil", "t0", "R1;;;;;;;;;;;;1;0", folder.File("k4.dat")));
    EXPECT_FALSE(Applied(SelectedRowCommands(folder.Path(), 4, 0))[7]);
}

TEST(SelectedRowCommands, OrderRowsAndNoSelection) {
    TempFolder folder;
    const std::map<int, bool> position = {{6, true}, {7, true}, {9, true}};
    const std::map<int, bool> sumRow = {{6, false}, {7, false}, {9, false}};
    EXPECT_EQ(Applied(SelectedRowCommands(folder.Path(), 902, 5)), position);
    EXPECT_EQ(Applied(SelectedRowCommands(folder.Path(), 902, -1)), sumRow);
    const std::map<int, bool> none = {{5, false}, {6, false}, {7, false}, {8, false}, {9, false}};
    EXPECT_EQ(Applied(SelectedRowCommands(folder.Path(), 4, std::nullopt)), none);
    EXPECT_EQ(Applied(SelectedRowCommands(folder.Path(), 901, std::nullopt)), none);
}

TEST(CategoryCommands, RefusedOnTheRootsAndDeleteOnOrderLists) {
    for (int tag : {0, 49}) {
        EXPECT_TRUE(EditCategoryAppliesTo(tag)) << tag;
        EXPECT_TRUE(DeleteCategoryAppliesTo(tag)) << tag;
    }
    for (int tag : {901, 903}) {
        EXPECT_TRUE(EditCategoryAppliesTo(tag)) << tag;
        EXPECT_FALSE(DeleteCategoryAppliesTo(tag)) << tag;
    }
    for (int tag : {800, 900, -1, 50}) {
        EXPECT_FALSE(EditCategoryAppliesTo(tag)) << tag;
        EXPECT_FALSE(DeleteCategoryAppliesTo(tag)) << tag;
    }
}

TEST(ChooseSortColumn, EachKindOfListKeepsItsOwnColumn) {
    SortState sort;
    ChooseSortColumn(sort, 3, 4);
    ChooseSortColumn(sort, 800, 2);
    EXPECT_EQ(sort.categorySortColumn, 2);
    EXPECT_EQ(sort.orderSortColumn, kOrderColumnName);
    ChooseSortColumn(sort, 902, 0);
    EXPECT_EQ(sort.orderSortColumn, 0);
    EXPECT_EQ(sort.categorySortColumn, 2);
    ChooseSortColumn(sort, 900, 4);
    EXPECT_EQ(sort.orderSortColumn, 0);
    EXPECT_EQ(sort.categorySortColumn, 2);
}

TEST(SmallPrint, OnlyExactlyJaCountsAndOffRemovesTheKey) {
    TempFolder folder;
    EXPECT_FALSE(SmallPrintIsOn(folder.Path()));
    for (const char* value : {"ja", "JA ", "Ja", "1"}) {
        folder.Write("teile.dat", std::string("[ausgabe]\r\nklein=") + value + "\r\n");
        ForgetIniSnapshots();
        EXPECT_EQ(SmallPrintIsOn(folder.Path()), std::string(value) == "JA ") << value;
    }
    folder.Write("teile.dat", "[kategorie]\r\nk0=Dioden\r\n");
    ForgetIniSnapshots();
    ASSERT_TRUE(StoreSmallPrint(folder.Path(), true));
    EXPECT_EQ(folder.Read("teile.dat"), "[kategorie]\r\nk0=Dioden\r\n[ausgabe]\r\nklein=JA\r\n");
    EXPECT_TRUE(SmallPrintIsOn(folder.Path()));
    ASSERT_TRUE(StoreSmallPrint(folder.Path(), false));
    EXPECT_FALSE(SmallPrintIsOn(folder.Path()));
    EXPECT_EQ(ReadIniValue("kategorie", "k0", MainFilePath(folder.Path())), "Dioden");
    EXPECT_EQ(CategoryNameOf(folder.Path(), 0), "Dioden");
    EXPECT_EQ(CategoryNameOf(folder.Path(), 1), "");
}

}  // namespace
