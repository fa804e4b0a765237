#include "PartCommands.h"

#include <QPushButton>

#include "CategoryTreeView.h"
#include "Commands.h"
#include "DataFiles.h"
#include "DialogFrame.h"
#include "OutcomeApplier.h"
#include "PartEditorDialog.h"
#include "PartListPanel.h"
#include "ShellState.h"
#include "records/PartOperations.h"

PartCommands::PartCommands(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell) {}

void PartCommands::Run(int command, bool documentsTab) {
    const int category = shell_.tree.SelectedTag();
    if (!IsCategoryNumber(category)) {
        return;
    }
    if (command == kCommandNewPart) {
        Open(PartEditorMode::New, category, -1, false);
        return;
    }
    const std::optional<int> slot = shell_.list.SelectedItemData();
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
    auto* editor = new PartEditorDialog(shell_.state.folder, shell_.prompter);
    editor->Fill(LoadPartEditorContent(shell_.state.folder, mode, category, slot), documentsTab);
    connect(editor, &PartEditorDialog::SaveRequested, this, [this, editor] { Save(editor); });
    shell_.dialogs.Open(DialogWindow::PartEditor, editor, editor->StartFocus());
}

void PartCommands::Save(PartEditorDialog* editor) {
    if (!editor->SaveButton()->isEnabled()) {
        return;
    }
    const std::optional<PartEditorTexts> texts = editor->Texts();
    if (!texts) {
        return;
    }
    shell_.applier.Apply(
        SavePart(shell_.state.folder, editor->Category(), editor->Slot(), *texts, shell_.prompter));
}
