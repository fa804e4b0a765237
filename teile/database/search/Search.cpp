#include "search/Search.h"

#include <algorithm>
#include <memory>

#include "DataFiles.h"
#include "IniStore.h"
#include "Messages.h"
#include "TextRules.h"
#include "lists/CategoryTree.h"
#include "lists/ListScan.h"
#include "lists/PartLookups.h"

namespace {

// Name and remark joined without a separator, as FindPart's search mode
// compares them, so the walk and the list agree on what a hit is.
bool RecordMatches(std::string_view record, const SearchState& state) {
    std::string compared;
    if (state.inNames) {
        compared += FieldView(record, kFieldName);
    }
    if (state.inRemarks) {
        compared += FieldView(record, kFieldRemark);
    }
    return !IsBlank(compared) && ContainsIgnoringCase(compared, state.text);
}

SearchFocus FocusAfterHit(int origin) {
    return origin == kSearchFromButton ? SearchFocus::SearchButton : SearchFocus::TextField;
}

}  // namespace

bool SearchIsPossible(const SearchState& state) {
    return !IsBlank(state.text) && (state.inNames || state.inRemarks);
}

bool SearchInShownList(SearchState& state, SearchView& view, const std::string& folder) {
    const int last = view.ListRowCount() - 1;
    const int category = view.SelectedTreeTag();
    // At (or, after the list shrank, beyond) the end: the next call walks the tree.
    if (state.lastHitRow >= last || !IsCategoryNumber(category)) {
        state.lastHitRow = -1;
        return false;
    }
    const int start = state.lastHitRow < 0 ? 0 : state.lastHitRow + 1;
    const std::shared_ptr<const IniDocument> list = ReadIniFile(ListFilePath(folder, category));
    for (int row = start; row <= last; ++row) {
        const int slot = view.ListRowSlot(row);
        const std::optional<std::string> record =
            IsSlotNumber(slot) ? list->Find(kListGroup, SlotKey(slot)) : std::nullopt;
        if (!record || !RecordMatches(*record, state)) {
            state.lastHitRow = -1;
            continue;
        }
        view.SelectListRow(row);
        state.lastHitRow = row;
        return true;
    }
    return false;
}

SearchOutcome SearchNext(SearchState& state, int origin, SearchView& view,
                         const std::string& folder, Prompter& prompter) {
    if (IsBlank(state.text)) {
        return {};
    }
    if (IsCategoryNumber(view.SelectedTreeTag())) {
        if (SearchInShownList(state, view, folder)) {
            return SearchOutcome{true, SearchFocus::Unchanged};
        }
    } else {
        state.lastHitRow = -1;
    }

    const int last = view.TreeRowCount() - 1;
    const int start = state.lastTreeRow == last ? 0 : std::max(state.lastTreeRow + 1, 0);
    const SearchFields fields{state.inNames, state.inRemarks};

    // From the row after the last searched one to the bottom, then from the
    // top. The files do not change during the walk, so rows already found
    // without a match need not be scanned a second time on the wrap.
    const auto tryRow = [&](int row, SearchOutcome& outcome) {
        const int tag = view.TreeRowTag(row);
        if (!IsCategoryNumber(tag) ||
            FindSearchMatch(state.text, ListFilePath(folder, tag), fields) == -1) {
            return false;
        }
        // Decided before selecting: the main window's selection handler keeps
        // the last tree row current, so afterwards it would always be this row
        // and the list on show would never be loaded. A list on show that is
        // not this category's (a stale row number after the tree changed) is
        // never searched in its place.
        const bool loadList = row != state.lastTreeRow || view.SelectedTreeTag() != tag;
        view.SelectTreeRow(row);
        if (loadList) {
            view.ShowSelectedList();
            state.lastHitRow = -1;  // a freshly loaded list is searched from its top
        }
        outcome.hit = SearchInShownList(state, view, folder);
        outcome.focus = FocusAfterHit(origin);
        state.lastTreeRow = row;
        return true;
    };
    SearchOutcome outcome;
    for (int row = start; row <= last; ++row) {
        if (tryRow(row, outcome)) {
            return outcome;
        }
    }
    for (int row = 0; row < std::min(start, last + 1); ++row) {
        if (tryRow(row, outcome)) {
            return outcome;
        }
    }
    prompter.Tell(messages::kTitleInfo, messages::kNoMatch, MessageIcon::Information);
    return SearchOutcome{false, SearchFocus::TextField};
}
