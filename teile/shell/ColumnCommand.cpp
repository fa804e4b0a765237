#include "ColumnCommand.h"

#include <QPushButton>

#include "CategoryTree.h"
#include "CategoryTreeView.h"
#include "ColumnDialog.h"
#include "DialogFrame.h"
#include "OutcomeApplier.h"
#include "PartListPanel.h"
#include "ShellState.h"

ColumnCommand::ColumnCommand(ShellState& state, CategoryTreeView& tree, PartListPanel& list,
                             DialogFrame& dialogs, OutcomeApplier& applier, Prompter& prompter,
                             QObject* parent)
    : QObject(parent),
      state_(state),
      tree_(tree),
      list_(list),
      dialogs_(dialogs),
      applier_(applier),
      prompter_(prompter) {}

void ColumnCommand::Open() {
    auto* dialog = new ColumnDialog;
    dialog->Fill(state_.settings.columns);
    connect(dialog, &ColumnDialog::SaveRequested, this, [this, dialog] { Save(dialog); });
    dialogs_.Open(DialogWindow::ColumnDefinition, dialog, dialog->CancelButton());
}

void ColumnCommand::Save(ColumnDialog* dialog) {
    ColumnSet columns = dialog->Columns();
    if (columns.empty()) {
        return;  // "Speichern" is disabled then; the table stays as it was
    }
    state_.settings.columns = std::move(columns);
    const bool saved = SaveSettings(state_.folder, state_.settings);
    ShowListInNewColumns();
    dialogs_.Close();
    if (!saved) {
        // The new layout is in use and is saved again at the end of the run;
        // the user should still know that the file did not take it now.
        ReportWriteFailure(prompter_);
    }
}

void ColumnCommand::ShowListInNewColumns() {
    // The old sort column counted columns of the old table; also while an
    // order list is shown, whose categories take the new columns later.
    state_.sort.categorySortColumn = 0;
    const int tag = tree_.SelectedTag();
    if (!IsCategoryNumber(tag) && tag != kTagCategoryRoot) {
        return;
    }
    const int slot = list_.SelectedItemData().value_or(-1);
    list_.SwitchListColumns(ListMode::Category);
    if (IsCategoryNumber(tag)) {
        applier_.ReloadList(ListReload{tag, 0, slot});
    }
}
