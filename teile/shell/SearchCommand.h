#pragma once
// "Suchen": the search dialog and each press of its "Suchen" (or
// Return), which walks the tree and list of the main window to the next hit
// through the engine's search, under the wait cursor. The search state lives
// here for the whole run.

#include <QObject>

#include "CommandContext.h"
#include "search/Search.h"

class SearchDialog;

class SearchCommand : public QObject {
    Q_OBJECT

public:
    explicit SearchCommand(const CommandContext& shell, QObject* parent = nullptr);

    // Opens " Suche" with the state of the run; the first row of the list
    // counts as visited.
    void Open();

    const SearchState& State() const { return search_; }

private:
    void SearchNext(SearchDialog* dialog, int origin);

    CommandContext shell_;
    SearchState search_;
};
