#pragma once
// The search for parts by name and remark: down the list on show, then
// through the following categories of the tree, wrapping to the top. The tree
// and the list are reached through SearchView, so the walk runs the same on
// the real window and on a test's stand-in.

#include <string>

#include "Prompter.h"

// Lives for the program run; the dialog shows and edits it.
struct SearchState {
    std::string text;
    bool inNames = true;
    bool inRemarks = true;
    int lastHitRow = 0;   // row of the part list of the last hit, -1 none
    int lastTreeRow = 0;  // row of the category tree searched last
};

// What the search needs of the main window.
class SearchView {
public:
    virtual ~SearchView() = default;
    virtual int TreeRowCount() const = 0;
    virtual int TreeRowTag(int row) const = 0;
    // ItemTag of the selected tree entry, -1 when none is selected.
    virtual int SelectedTreeTag() const = 0;
    // Selects a tree row without loading its list. Like a user's selection it
    // may set the search state's last tree row.
    virtual void SelectTreeRow(int row) = 0;
    // Loads the list of the selected tree entry (ShowSelectedList).
    virtual void ShowSelectedList() = 0;
    virtual int ListRowCount() const = 0;
    // The slot a list row stands for (its item data).
    virtual int ListRowSlot(int row) const = 0;
    // Selects a list row and scrolls it into view.
    virtual void SelectListRow(int row) = 0;
};

// Where the focus goes after a search.
enum class SearchFocus {
    Unchanged,
    TextField,     // origin 0 (Return in the text field), and after no hit
    SearchButton,  // origin 1 ("Suchen")
};

enum SearchOrigin : int {
    kSearchFromTextField = 0,
    kSearchFromButton = 1,
};

struct SearchOutcome {
    bool hit = false;
    SearchFocus focus = SearchFocus::Unchanged;
};

// "Suchen" is available, and Return searches, only with a non-blank text and
// at least one of the two fields chosen.
bool SearchIsPossible(const SearchState& state);

// Moves to the next hit: further down the shown list, else through the
// following categories with a match, wrapping to the first. Without any hit
// it tells "Keine Entsprechung gefunden !" and leaves the selections alone.
SearchOutcome SearchNext(SearchState& state, int origin, SearchView& view,
                         const std::string& folder, Prompter& prompter);

// The next hit below the last hit row of the shown category list. At the end
// of the list it resets the last hit row to -1 and finds nothing, so that the
// next search walks the tree.
bool SearchInShownList(SearchState& state, SearchView& view, const std::string& folder);
