#include "CategoryCommands.h"

#include <QLineEdit>
#include <QPushButton>

#include "CategoryDialog.h"
#include "CategoryTreeView.h"
#include "DialogFrame.h"
#include "MainWindowRules.h"
#include "OutcomeApplier.h"
#include "ShellState.h"
#include "WindowText.h"
#include "records/CategoryOperations.h"

namespace {

const char kNewCategoryName[] = "neue Kategorie";

}  // namespace

CategoryCommands::CategoryCommands(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell) {}

void CategoryCommands::NewCategory() { OpenDialog(-1, kNewCategoryName, true); }

void CategoryCommands::EditSelected() {
    const TreeEntryId selected = shell_.tree.Selected();
    if (!selected.IsCategory()) {
        return;
    }
    const int category = selected.listNumber;
    OpenDialog(category, ToWindowText(CategoryNameOf(shell_.state.folder, category)), false);
}

void CategoryCommands::DeleteSelected() {
    const TreeEntryId selected = shell_.tree.Selected();
    if (selected.IsCategory()) {
        shell_.applier.Apply(
            DeleteCategory(shell_.state.folder, selected.listNumber, shell_.prompter));
    }
}

void CategoryCommands::OpenDialog(int category, const QString& name, bool focusName) {
    auto* dialog = new CategoryDialog;
    dialog->SetCategory(category);
    dialog->SetName(name);
    connect(dialog, &CategoryDialog::SaveRequested, this, [this, dialog] { Save(dialog); });
    QWidget* focus = focusName ? static_cast<QWidget*>(dialog->NameField())
                               : static_cast<QWidget*>(dialog->CancelButton());
    shell_.dialogs.Open(DialogWindow::Category, dialog, focus);
}

void CategoryCommands::Save(CategoryDialog* dialog) {
    if (!dialog->SaveButton()->isEnabled()) {
        return;  // Enter on a blank name
    }
    shell_.applier.Apply(SaveCategory(shell_.state.folder, dialog->Category(),
                                      ToDataText(dialog->Name()), shell_.prompter));
}
