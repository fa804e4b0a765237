#include "PartCommands.h"

#include <QPushButton>

#include "CategoryTreeView.h"
#include "Commands.h"
#include "DataFiles.h"
#include "DialogFrame.h"
#include "OutcomeApplier.h"
#include "PartEditorDialog.h"
#include "PartListPanel.h"
#include "PartOperations.h"
#include "ShellState.h"

PartCommands::PartCommands(ShellState& state, CategoryTreeView& tree, PartListPanel& list,
                           DialogFrame& dialogs, OutcomeApplier& applier, Prompter& prompter,
                           QObject* parent)
    : QObject(parent),
      state_(state),
      tree_(tree),
      list_(list),
      dialogs_(dialogs),
      applier_(applier),
      prompter_(prompter) {}

void PartCommands::Run(int command, bool documentsTab) {
    const int category = tree_.SelectedTag();
    if (!IsCategoryNumber(category)) {
        return;
    }
    if (command == kCommandNewPart) {
        Open(PartEditorMode::New, category, -1, false);
        return;
    }
    const std::optional<int> slot = list_.SelectedItemData();
    if (!slot || *slot < 0) {
        return;
    }
    if (command == kCommandNewPartFromCopy) {
        Open(PartEditorMode::Copy, category, *slot, false);
    } else if (command == kCommandEditPart) {
        Open(PartEditorMode::Edit, category, *slot, documentsTab);
    }
}

void PartCommands::Open(PartEditorMode mode, int category, int slot, bool documentsTab) {
    auto* editor = new PartEditorDialog(state_.folder, prompter_);
    editor->Fill(LoadPartEditorContent(state_.folder, mode, category, slot), documentsTab);
    connect(editor, &PartEditorDialog::SaveRequested, this, [this, editor] { Save(editor); });
    dialogs_.Open(DialogWindow::PartEditor, editor, editor->StartFocus());
}

void PartCommands::Save(PartEditorDialog* editor) {
    if (!editor->SaveButton()->isEnabled()) {
        return;
    }
    const std::optional<PartEditorTexts> texts = editor->Texts();
    if (!texts) {
        return;
    }
    applier_.Apply(SavePart(state_.folder, editor->Category(), editor->Slot(), *texts, prompter_));
}
