#include "CommandDispatcher.h"

#include <QApplication>
#include <QTableView>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "CommandGroups.h"
#include "MainWindow.h"
#include "OutcomeApplier.h"
#include "PartListPanel.h"
#include "ShellState.h"

CommandDispatcher::CommandDispatcher(const CommandContext& shell, CommandGroups& groups,
                                     QObject* parent)
    : QObject(parent), shell_(shell), groups_(groups), bindings_(groups) {}

void CommandDispatcher::RememberFocus() {
    if (shell_.window.isActiveWindow()) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && shell_.window.isAncestorOf(focus)) {
            shell_.state.lastFocus = focus;
        }
    }
}

void CommandDispatcher::Dispatch(Command command) {
    RememberFocus();
    bindings_.Run(command);
}

void CommandDispatcher::KeyPressed(ShortcutKey key) {
    RememberFocus();
    const QWidget* focus = QApplication::focusWidget();
    FocusedControl focused = FocusedControl::Other;
    if (focus == &shell_.tree) {
        focused = FocusedControl::CategoryTree;
    } else if (focus == shell_.list.View()) {
        focused = FocusedControl::PartList;
    }
    const std::optional<Command> command =
        CommandOfKey(key, focused, shell_.list.SelectedItemData().has_value(),
                     !shell_.tree.Selected().IsNone(), shell_.actions.State());
    if (command) {
        Dispatch(*command);
    }
}

void CommandDispatcher::TreeSelectionChanged() {
    RememberFocus();
    const int index = shell_.tree.SelectedIndex();
    const TreeSelectionStep step = TreeSelectionFor(shell_.tree.Selected().ItemTag(), index,
                                                    shell_.state.lastTreeIndex, shell_.list.Mode());
    if (step.switchColumns) {
        shell_.list.SwitchListColumns(step.mode);
    }
    if (step.showList) {
        shell_.applier.ShowSelectedList();
    }
    shell_.state.lastTreeIndex = index;
}

void CommandDispatcher::ListSelectionChanged(std::optional<int> itemData) {
    RememberFocus();
    shell_.actions.Apply(
        SelectedRowCommands(shell_.state.folder, shell_.tree.Selected().ItemTag(), itemData));
}

void CommandDispatcher::ListDoubleClicked(bool rightButton) {
    RememberFocus();
    if (shell_.actions.State().IsEnabled(Command::EditPart)) {
        groups_.EditSelectedRow(rightButton);
    }
}

void CommandDispatcher::HeaderClicked(int column) {
    RememberFocus();
    groups_.mainWindow.SortByColumn(column);
}
