#include <gtest/gtest.h>

#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "TestParts.h"
#include "lists/CategoryTree.h"
#include "lists/PartList.h"
#include "search/Search.h"

namespace {

// The tree and list of the main window, played by the real list loading. Like
// the main window it keeps the search state's row numbers current whenever a
// tree entry or a list row gets selected, also when the search selects it.
class FakeWindow : public SearchView {
public:
    FakeWindow(std::string folder, SearchState& state) : folder_(std::move(folder)), state_(state) {
        for (const TreeEntry& entry : FillCategoryTree(folder_).entries) {
            tags_.push_back(entry.itemTag);
        }
    }

    // What the user does: select a tree row, which loads its list.
    void Click(int row) {
        SelectTreeRow(row);
        ShowSelectedList();
    }

    int TreeRowCount() const override { return static_cast<int>(tags_.size()); }
    int TreeRowTag(int row) const override { return tags_.at(static_cast<std::size_t>(row)); }
    int SelectedTreeTag() const override {
        return selectedTree < 0 ? -1 : TreeRowTag(selectedTree);
    }
    void SelectTreeRow(int row) override {
        selectedTree = row;
        state_.lastTreeRow = row;
    }
    void ShowSelectedList() override {
        ++loads;
        slots_.clear();
        const SelectedList list = ::ShowSelectedList(folder_, SelectedTreeTag(), false,
                                                     DefaultListColumns(), SortState{});
        for (const ShownRow& row : list.list.shown.rows) {
            slots_.push_back(row.itemData);
        }
        selectedListRow = list.list.shown.selectedRow;
        state_.lastHitRow = selectedListRow;
    }
    int ListRowCount() const override { return static_cast<int>(slots_.size()); }
    int ListRowSlot(int row) const override { return slots_.at(static_cast<std::size_t>(row)); }
    void SelectListRow(int row) override {
        selectedListRow = row;
        state_.lastHitRow = row;
    }

    int RowOfTag(int tag) const {
        for (std::size_t row = 0; row < tags_.size(); ++row) {
            if (tags_[row] == tag) {
                return static_cast<int>(row);
            }
        }
        return -1;
    }
    int SelectedSlot() const { return selectedListRow < 0 ? -1 : ListRowSlot(selectedListRow); }

    int selectedTree = -1;
    int selectedListRow = -1;
    int loads = 0;

private:
    std::string folder_;
    SearchState& state_;
    std::vector<int> tags_;
    std::vector<int> slots_;
};

class SearchTest : public ::testing::Test {
protected:
    // Tree: 0 "Kategorien", 1 Alpha (k3), 2 Beta (k0), 3 Gamma (k1),
    // 4 "Bestellungen", 5-7 the order lists.
    static bool WriteData(const TempFolder& folder) {
        folder.Write("teile.dat", "[kategorie]\r\nk0=Beta\r\nk1=Gamma\r\nk3=Alpha\r\n");
        folder.Write("k3.dat", PartsFile("", {{0, Named("Kabel")},
                                              {1, Named("Diode 1N4148")},
                                              {2, Named("Zener", "wie Diode")}}));
        folder.Write("k0.dat", PartsFile("", {{0, Named("Relais")}}));
        folder.Write("k1.dat", PartsFile("4", {{4, Named("Schottky-Diode")}}));
        return true;
    }

    // Opening the dialog counts the first row of the shown list as visited.
    void OpenDialog(const std::string& text) {
        state.text = text;
        state.lastHitRow = 0;
    }
    void Click(int row) { window.Click(row); }
    std::pair<int, int> Next(int origin = kSearchFromButton) {
        last = SearchNext(state, origin, window, folder.Path(), prompter);
        return {window.SelectedTreeTag(), window.SelectedSlot()};
    }

    TempFolder folder;
    bool written = WriteData(folder);  // before the window reads the tree
    SearchState state;
    FakeWindow window{folder.Path(), state};
    ScriptedPrompter prompter;
    SearchOutcome last;
};

TEST_F(SearchTest, RepeatedSearchVisitsEveryHitOncePerPassThenStartsAgain) {
    Click(0);  // the root "Kategorien"
    OpenDialog("diode");
    // Alpha's list is sorted: Diode 1N4148 (t1), Kabel (t0), Zener (t2).
    EXPECT_EQ(Next(), std::make_pair(3, 1));
    EXPECT_EQ(last.focus, SearchFocus::SearchButton);
    EXPECT_TRUE(last.hit);
    EXPECT_EQ(Next(), std::make_pair(3, 2));  // the remark "wie Diode"
    EXPECT_EQ(last.focus, SearchFocus::Unchanged);
    EXPECT_EQ(Next(), std::make_pair(1, 4));  // Beta has none: on to Gamma
    EXPECT_EQ(state.lastTreeRow, 3);
    EXPECT_EQ(Next(kSearchFromTextField), std::make_pair(3, 1));  // over the order lists, wrapped
    EXPECT_EQ(last.focus, SearchFocus::TextField);
    EXPECT_EQ(window.loads, 4);  // the first click and three categories
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SearchTest, FirstRowOfTheShownListIsFoundOnlyAfterTheWholeTree) {
    Click(1);  // Alpha
    OpenDialog("1n4148");
    const int loadsBefore = window.loads;
    EXPECT_EQ(Next(), std::make_pair(3, 1));
    EXPECT_TRUE(last.hit);
    // It came back to the list on show without loading it again.
    EXPECT_EQ(window.loads, loadsBefore);
    EXPECT_EQ(state.lastTreeRow, 1);
    EXPECT_EQ(state.lastHitRow, 0);
}

TEST_F(SearchTest, NameAndRemarkAreJoinedWithoutSeparator) {
    folder.Write("k3.dat", PartsFile("", {{0, Named("AB", "CD")}}));
    Click(0);
    OpenDialog("bc");
    EXPECT_EQ(Next(), std::make_pair(3, 0));
    state.inRemarks = false;
    state.lastHitRow = -1;
    Click(0);
    Next();
    EXPECT_FALSE(last.hit);
    ASSERT_EQ(prompter.messages.size(), 1u);
}

TEST_F(SearchTest, NoMatchTellsSoAndLeavesTheSelectionsAlone) {
    // Text that only roots' and order lists' files would hold: they are skipped.
    folder.Write("k901.dat", "[teil]\r\nt0=k3t0 Treffer;1;0\r\n");
    folder.Write("k800.dat", PartsFile("", {{0, Named("Treffer")}}));
    folder.Write("k900.dat", PartsFile("", {{0, Named("Treffer")}}));
    Click(2);  // Beta
    const int selectedRow = window.selectedListRow;
    OpenDialog("treffer");
    EXPECT_EQ(Next(kSearchFromButton), std::make_pair(0, 0));
    EXPECT_FALSE(last.hit);
    EXPECT_EQ(last.focus, SearchFocus::TextField);
    EXPECT_EQ(window.selectedTree, 2);
    EXPECT_EQ(window.selectedListRow, selectedRow);
    ASSERT_EQ(prompter.messages.size(), 1u);
    const auto& message = prompter.messages[0];
    EXPECT_FALSE(message.question);
    EXPECT_EQ(message.title, "Info");
    EXPECT_EQ(message.text, "Keine Entsprechung gefunden !     ");
    EXPECT_EQ(message.icon, MessageIcon::Information);
}

TEST_F(SearchTest, FromAnOrderListTheWalkStartsBelowIt) {
    Click(window.RowOfTag(902));
    OpenDialog("relais");
    EXPECT_EQ(Next(), std::make_pair(0, 0));
    EXPECT_EQ(state.lastTreeRow, 2);
    // From the last row of the tree the walk starts at the top.
    Click(window.TreeRowCount() - 1);
    OpenDialog("schottky");
    EXPECT_EQ(Next(), std::make_pair(1, 4));
}

TEST_F(SearchTest, AStaleTreeRowNeverSearchesTheListOfAnotherCategory) {
    Click(1);  // Alpha on show
    OpenDialog("schottky");
    state.lastTreeRow = 3;  // Gamma's row, left over from a tree that changed since
    EXPECT_EQ(Next(), std::make_pair(1, 4));
    EXPECT_TRUE(last.hit);
    EXPECT_EQ(state.lastTreeRow, 3);
}

TEST_F(SearchTest, BlankTextOrNoFieldChosenDoesNothing) {
    Click(1);
    state.text = "   ";
    EXPECT_FALSE(SearchIsPossible(state));
    const int loads = window.loads;
    Next();
    EXPECT_FALSE(last.hit);
    EXPECT_EQ(last.focus, SearchFocus::Unchanged);
    EXPECT_EQ(window.loads, loads);
    EXPECT_TRUE(prompter.messages.empty());

    state.text = "Diode";
    EXPECT_TRUE(SearchIsPossible(state));
    state.inNames = false;
    EXPECT_TRUE(SearchIsPossible(state));
    state.inRemarks = false;
    EXPECT_FALSE(SearchIsPossible(state));
}

TEST_F(SearchTest, ShownListSearchEndsAtTheLastRowAndSurvivesAStaleRow) {
    Click(1);  // Alpha: Diode 1N4148, Kabel, Zener
    state.text = "e";
    state.lastHitRow = -1;
    EXPECT_TRUE(SearchInShownList(state, window, folder.Path()));
    EXPECT_EQ(state.lastHitRow, 0);
    EXPECT_TRUE(SearchInShownList(state, window, folder.Path()));
    EXPECT_EQ(state.lastHitRow, 1);  // "Kabel"
    EXPECT_TRUE(SearchInShownList(state, window, folder.Path()));
    EXPECT_EQ(state.lastHitRow, 2);
    EXPECT_FALSE(SearchInShownList(state, window, folder.Path()));
    EXPECT_EQ(state.lastHitRow, -1);

    state.lastHitRow = 40;  // the list shrank since
    EXPECT_FALSE(SearchInShownList(state, window, folder.Path()));
    EXPECT_EQ(state.lastHitRow, -1);

    state.text = "zzz";
    EXPECT_FALSE(SearchInShownList(state, window, folder.Path()));
    EXPECT_EQ(state.lastHitRow, -1);
    EXPECT_EQ(window.selectedListRow, 2);
}

}  // namespace
