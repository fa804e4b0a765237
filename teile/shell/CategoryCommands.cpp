#include "CategoryCommands.h"

#include <QLineEdit>
#include <QPushButton>

#include "CategoryDialog.h"
#include "CategoryOperations.h"
#include "CategoryTreeView.h"
#include "DataFiles.h"
#include "DialogFrame.h"
#include "MainWindowRules.h"
#include "OutcomeApplier.h"
#include "ShellState.h"
#include "WindowText.h"

namespace {

const char kNewCategoryName[] = "neue Kategorie";

}  // namespace

CategoryCommands::CategoryCommands(ShellState& state, CategoryTreeView& tree, DialogFrame& dialogs,
                                   OutcomeApplier& applier, Prompter& prompter, QObject* parent)
    : QObject(parent),
      state_(state),
      tree_(tree),
      dialogs_(dialogs),
      applier_(applier),
      prompter_(prompter) {}

void CategoryCommands::NewCategory() {
    OpenDialog(-1, kNewCategoryName, kNewCategoryDialogTitle, true);
}

void CategoryCommands::EditSelected() {
    const int tag = tree_.SelectedTag();
    if (!EditCategoryAppliesTo(tag) || IsOrderListNumber(tag)) {
        return;
    }
    OpenDialog(tag, ToWindowText(CategoryNameOf(state_.folder, tag)), nullptr, false);
}

void CategoryCommands::DeleteSelected() {
    const int tag = tree_.SelectedTag();
    if (!DeleteCategoryAppliesTo(tag)) {
        return;
    }
    applier_.Apply(DeleteCategory(state_.folder, tag, prompter_));
}

void CategoryCommands::OpenDialog(int category, const QString& name, const char* title,
                                  bool focusName) {
    auto* dialog = new CategoryDialog;
    if (title) {
        dialog->setWindowTitle(QString::fromUtf8(title));
    }
    dialog->SetCategory(category);
    dialog->SetName(name);
    connect(dialog, &CategoryDialog::SaveRequested, this, [this, dialog] { Save(dialog); });
    QWidget* focus = focusName ? static_cast<QWidget*>(dialog->NameField())
                               : static_cast<QWidget*>(dialog->CancelButton());
    dialogs_.Open(DialogWindow::Category, dialog, focus);
}

void CategoryCommands::Save(CategoryDialog* dialog) {
    if (!dialog->SaveButton()->isEnabled()) {
        return;  // Enter on a blank name
    }
    applier_.Apply(
        SaveCategory(state_.folder, dialog->Category(), ToDataText(dialog->Name()), prompter_));
}
