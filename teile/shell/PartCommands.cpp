#include "PartCommands.h"

#include <QPushButton>

#include "CategoryTreeView.h"
#include "DialogFrame.h"
#include "OutcomeApplier.h"
#include "PartEditorDialog.h"
#include "PartListPanel.h"
#include "ShellState.h"
#include "records/PartOperations.h"

PartCommands::PartCommands(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell) {}

void PartCommands::NewPart() {
    const TreeEntryId category = shell_.tree.Selected();
    if (category.IsCategory()) {
        Open(PartEditorMode::New, category.listNumber, -1, false);
    }
}

void PartCommands::CopySelected() { OpenForSelected(PartEditorMode::Copy, false); }

void PartCommands::EditSelected(bool documentsTab) {
    OpenForSelected(PartEditorMode::Edit, documentsTab);
}

void PartCommands::OpenForSelected(PartEditorMode mode, bool documentsTab) {
    const TreeEntryId category = shell_.tree.Selected();
    const std::optional<int> slot = shell_.list.SelectedItemData();
    if (category.IsCategory() && slot && *slot >= 0) {
        Open(mode, category.listNumber, *slot, documentsTab);
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
