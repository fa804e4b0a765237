#pragma once
// The only code that turns what the engine hands back into widget changes:
// the list of the selected tree entry (ShowSelectedList), a list reload, and
// an OperationOutcome in the order it documents.

#include "records/OperationOutcome.h"

class CommandActions;
class DialogFrame;
class MainWindow;
class PartListPanel;
class QWidget;
struct ShellState;
struct ListReload;

class OutcomeApplier {
public:
    OutcomeApplier(ShellState& state, MainWindow& window, CommandActions& actions,
                   PartListPanel& list, DialogFrame& dialogs, Prompter& prompter);

    // Shows the list of the selected tree entry with the column set of its
    // kind and sets which commands it allows; the selected row then applies
    // its own rule.
    void ShowSelectedList();
    // FillPartList for a list after a change.
    void ReloadList(const ListReload& reload);
    // A refused outcome gives its field the focus again; a failed write shows
    // "Datenspeichern nicht möglich !", a value too long for the files says
    // so, and neither changes anything else.
    void Apply(const OperationOutcome& outcome);

private:
    void ShowPart(const PartLocation& location);
    void GiveFocusTo(::FocusField field);
    void ActivateOpenDialog();
    static void ShowTabPageOf(QWidget* widget);

    ShellState& state_;
    MainWindow& window_;
    CommandActions& actions_;
    PartListPanel& list_;
    DialogFrame& dialogs_;
    Prompter& prompter_;
};
