#include "ClipboardCommands.h"

#include "CategoryTreeView.h"
#include "MainWindow.h"
#include "OutcomeApplier.h"
#include "PartListPanel.h"
#include "PartOperations.h"
#include "ShellState.h"

ClipboardCommands::ClipboardCommands(ShellState& state, MainWindow& window, PartListPanel& list,
                                     OutcomeApplier& applier, Prompter& prompter, QObject* parent)
    : QObject(parent),
      state_(state),
      window_(window),
      list_(list),
      applier_(applier),
      prompter_(prompter) {}

void ClipboardCommands::DeleteSelected() {
    const std::optional<int> slot = list_.SelectedItemData();
    if (!slot) {
        return;
    }
    const SelectedRow row{window_.Tree()->SelectedTag(), *slot, list_.ShownSlots()};
    applier_.Apply(DeleteSelectedRecord(state_.folder, row, state_.clipboard, prompter_));
}

void ClipboardCommands::CutOrCopySelected(ClipboardKind kind) {
    const std::optional<int> slot = list_.SelectedItemData();
    if (!slot) {
        return;
    }
    applier_.Apply(
        CopyOrCutPart(state_.folder, window_.Tree()->SelectedTag(), *slot, kind, state_.clipboard));
}

void ClipboardCommands::PasteIntoSelected() {
    applier_.Apply(
        PastePart(state_.folder, window_.Tree()->SelectedTag(), state_.clipboard, prompter_));
}
