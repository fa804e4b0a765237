#include <map>

#include <gtest/gtest.h>

#include "TestParts.h"
#include "lists/PartList.h"

namespace {

// The availability every command ends with once the changes are applied in order.
std::map<int, bool> Applied(const CommandChanges& changes) {
    std::map<int, bool> states;
    for (const CommandChange& change : changes) {
        states[CommandNumber(change.command)] = change.enabled;
    }
    return states;
}

std::map<int, bool> Enabled(std::initializer_list<int> enabled) {
    std::map<int, bool> states;
    for (int command = 0; command < kListCommandCount; ++command) {
        states[command] = false;
    }
    for (int command : enabled) {
        states[command] = true;
    }
    return states;
}

// Which commands the selected tree entry and the rows of its list leave
// available; an entry that is no list changes nothing.
TEST(ListCommands, FollowTheSelectedEntryItsRowsAndTheWaitingPaste) {
    struct Case {
        int tag;
        int rows;
        bool pasteWaiting;
        std::map<int, bool> expected;
    };
    const Case cases[] = {
        // A category with parts; paste only while a part waits.
        {4, 3, false, Enabled({0, 1, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14})},
        {4, 3, true, Enabled({0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})},
        // An empty category may be deleted and filled.
        {0, 0, false, Enabled({0, 1, 2, 3, 4, 12})},
        {49, 0, true, Enabled({0, 1, 2, 3, 4, 10, 12})},
        // The roots and the order lists.
        {800, 0, true, Enabled({0, 12})},
        {900, 0, true, Enabled({})},
        {901, 2, true, Enabled({1, 3, 6, 7, 13, 14})},
        {903, 0, true, Enabled({1})},
        // No list at all.
        {50, 3, false, {}},
        {-1, 0, false, {}},
    };
    for (const Case& c : cases) {
        const CommandChanges changes = SelectedListCommands(c.tag, c.rows, c.pasteWaiting);
        if (c.expected.empty()) {
            EXPECT_TRUE(changes.empty()) << "tag " << c.tag;
        } else {
            EXPECT_EQ(Applied(changes), c.expected)
                << "tag " << c.tag << ", rows " << c.rows << ", paste " << c.pasteWaiting;
        }
    }
}

class PartListTest : public ::testing::Test {
protected:
    TempFolder folder;
    ColumnSet columns = DefaultListColumns();
    SortState sort;
};

TEST_F(PartListTest, CategoryWithThreePartsUpToMax) {
    folder.Write("k5.dat", PartsFile("7", {{0, Named("c")}, {3, Named("a")}, {7, Named("b")}}));
    const PartListLoad load = FillPartList(folder.Path(), 5, 7, columns, sort);
    EXPECT_EQ(load.RowCount(), 3);
    EXPECT_EQ(load.statusText, "3 Teil(e) in dieser Kategorie");
    ASSERT_EQ(load.shown.rows.size(), 3u);
    EXPECT_EQ(load.shown.rows[0].texts[0], "a");
    EXPECT_EQ(load.shown.selectedRow, 1);
    EXPECT_EQ(load.shown.titles.front(), "Bezeichnung*");

    const SelectedList selected = ShowSelectedList(folder.Path(), 5, false, columns, sort);
    EXPECT_EQ(selected.mode, 0);
    EXPECT_EQ(selected.statusText, "3 Teil(e) in dieser Kategorie");
    EXPECT_EQ(selected.list.shown.selectedRow, 0);
    EXPECT_EQ(Applied(selected.commands), Applied(SelectedListCommands(5, 3, false)));
}

TEST_F(PartListTest, OrderListCountsPositionsAndAddsTheSumRow) {
    folder.Write("k0.dat", PartsFile("", {{0, Named("a")}, {1, Named("b")}}));
    folder.Write("k901.dat", ListFile("", {{0, "k0t0;1;0"}, {4, "k0t1;2;1"}}));
    const PartListLoad load = FillPartList(folder.Path(), 901, 4, columns, sort);
    EXPECT_EQ(load.statusText, "2 Position(en) in dieser Bestellung");
    EXPECT_EQ(load.shown.rows.size(), 3u);
    EXPECT_EQ(load.shown.selectedRow, 1);
    EXPECT_EQ(load.shown.rows.back().texts[2], "Gesamtsumme:");

    const SelectedList selected = ShowSelectedList(folder.Path(), 901, false, columns, sort);
    EXPECT_EQ(selected.mode, 1);
    EXPECT_EQ(selected.statusText, "2 Position(en) in dieser Bestellung");
    EXPECT_EQ(Applied(selected.commands), Enabled({1, 3, 6, 7, 13, 14}));
}

TEST_F(PartListTest, EmptyListsShowHintsAndNoRows) {
    folder.Write("k2.dat", ListFile("-1", {{1, Named("unsichtbar").Record()}}));
    folder.Write("k902.dat", "");

    const PartListLoad direct = FillPartList(folder.Path(), 2, -1, columns, sort);
    EXPECT_EQ(direct.statusText, "0 Teil(e) in dieser Kategorie");
    EXPECT_TRUE(direct.shown.rows.empty());

    const SelectedList category = ShowSelectedList(folder.Path(), 2, true, columns, sort);
    EXPECT_EQ(category.statusText, "keine Teile in dieser Kategorie");
    EXPECT_TRUE(category.list.shown.rows.empty());
    EXPECT_EQ(Applied(category.commands), Enabled({0, 1, 2, 3, 4, 10, 12}));

    EXPECT_EQ(ShowSelectedList(folder.Path(), 3, false, columns, sort).statusText,
              "keine Teile in dieser Kategorie");  // no file at all
    const SelectedList order = ShowSelectedList(folder.Path(), 902, false, columns, sort);
    EXPECT_EQ(order.statusText, "keine Positionen in dieser Bestellung");
    EXPECT_TRUE(order.list.shown.rows.empty());  // no lone sum row
}

TEST_F(PartListTest, RootsShowTheirHintsAndLoadNothing) {
    folder.Write("k0.dat", PartsFile("", {{0, Named("a")}}));
    const SelectedList categories = ShowSelectedList(folder.Path(), 800, false, columns, sort);
    EXPECT_EQ(categories.statusText, "Kategorie ausw\xE4hlen");
    EXPECT_EQ(categories.mode, -1);
    EXPECT_EQ(categories.list.RowCount(), 0);
    const SelectedList orders = ShowSelectedList(folder.Path(), 900, false, columns, sort);
    EXPECT_EQ(orders.statusText, "Lieferant ausw\xE4hlen");
    EXPECT_EQ(Applied(orders.commands), Enabled({}));
}

TEST(ListColumns, DefaultLayoutOfANewInstallation) {
    const ColumnSet columns = DefaultListColumns();
    std::vector<std::string> titles;
    for (const ListColumn& column : columns) {
        titles.push_back(column.title);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Bezeichnung", "Bemerkung", "UIP", "Bauform",
                                                "Toleranz", "Menge", "Lagerort"}));
    EXPECT_EQ(columns[4].alignment, kAlignCentred);
    EXPECT_EQ(columns[5], (ListColumn{13, "Menge", 65, kAlignCentred}));
    EXPECT_EQ(columns[6].width, 110);
}

}  // namespace
