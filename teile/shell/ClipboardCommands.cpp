#include "ClipboardCommands.h"

#include "CategoryTreeView.h"
#include "OutcomeApplier.h"
#include "PartListPanel.h"
#include "ShellState.h"
#include "records/PartOperations.h"

ClipboardCommands::ClipboardCommands(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell) {}

void ClipboardCommands::DeleteSelected() {
    const std::optional<int> slot = shell_.list.SelectedItemData();
    if (!slot) {
        return;
    }
    const SelectedRow row{shell_.tree.Selected().ItemTag(), *slot, shell_.list.ShownSlots()};
    shell_.applier.Apply(
        DeleteSelectedRecord(shell_.state.folder, row, shell_.state.clipboard, shell_.prompter));
}

void ClipboardCommands::CutOrCopySelected(ClipboardKind kind) {
    const std::optional<int> slot = shell_.list.SelectedItemData();
    if (!slot) {
        return;
    }
    shell_.applier.Apply(CopyOrCutPart(shell_.state.folder, shell_.tree.Selected().ItemTag(), *slot,
                                       kind, shell_.state.clipboard));
}

void ClipboardCommands::PasteIntoSelected() {
    shell_.applier.Apply(PastePart(shell_.state.folder, shell_.tree.Selected().ItemTag(),
                                   shell_.state.clipboard, shell_.prompter));
}
