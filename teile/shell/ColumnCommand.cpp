#include "ColumnCommand.h"

#include <QPushButton>

#include "CategoryTreeView.h"
#include "ColumnDialog.h"
#include "DialogFrame.h"
#include "OutcomeApplier.h"
#include "PartListPanel.h"
#include "ShellState.h"
#include "lists/CategoryTree.h"

ColumnCommand::ColumnCommand(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell) {}

void ColumnCommand::Open() {
    auto* dialog = new ColumnDialog;
    dialog->Fill(shell_.state.settings.columns);
    connect(dialog, &ColumnDialog::SaveRequested, this, [this, dialog] { Save(dialog); });
    shell_.dialogs.Open(DialogWindow::ColumnDefinition, dialog, dialog->CancelButton());
}

void ColumnCommand::Save(ColumnDialog* dialog) {
    ColumnSet columns = dialog->Columns();
    if (columns.empty()) {
        return;  // "Speichern" is disabled then; the table stays as it was
    }
    shell_.state.settings.columns = std::move(columns);
    const bool saved = SaveSettings(shell_.state.folder, shell_.state.settings);
    ShowListInNewColumns();
    shell_.dialogs.Close();
    if (!saved) {
        // The new layout is in use and is saved again at the end of the run;
        // the user should still know that the file did not take it now.
        ReportWriteFailure(shell_.prompter);
    }
}

void ColumnCommand::ShowListInNewColumns() {
    // The old sort column counted columns of the old table; also while an
    // order list is shown, whose categories take the new columns later.
    shell_.state.sort.categorySortColumn = 0;
    const TreeEntryId selected = shell_.tree.Selected();
    if (!selected.IsCategory() && selected != TreeEntryId::CategoryRoot()) {
        return;
    }
    const int slot = shell_.list.SelectedItemData().value_or(-1);
    shell_.list.SwitchListColumns(ListMode::Category);
    if (selected.IsCategory()) {
        shell_.applier.ReloadList(ListReload{selected.listNumber, 0, slot});
    }
}
