#pragma once
// Command 12, "Suchen": the search dialog and each press of its "Suchen" (or
// Return), which walks the tree and list of the main window to the next hit
// through the engine's search, under the wait cursor. The search state lives
// here for the whole run.

#include <QObject>

#include "Search.h"

class DialogFrame;
class MainWindow;
class OutcomeApplier;
class PartListPanel;
class Prompter;
class SearchDialog;
struct ShellState;

class SearchCommand : public QObject {
    Q_OBJECT

public:
    SearchCommand(ShellState& state, MainWindow& window, PartListPanel& list, DialogFrame& dialogs,
                  OutcomeApplier& applier, Prompter& prompter, QObject* parent = nullptr);

    // Opens " Suche" with the state of the run; the first row of the list
    // counts as visited.
    void Open();

    const SearchState& State() const { return search_; }

private:
    void SearchNext(SearchDialog* dialog, int origin);

    ShellState& state_;
    MainWindow& window_;
    PartListPanel& list_;
    DialogFrame& dialogs_;
    OutcomeApplier& applier_;
    Prompter& prompter_;
    SearchState search_;
};
