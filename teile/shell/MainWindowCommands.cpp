#include "MainWindowCommands.h"

#include <QWindow>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "MainWindow.h"
#include "MainWindowRules.h"
#include "Messages.h"
#include "PartListPanel.h"
#include "Prompter.h"
#include "ShellState.h"
#include "records/OperationOutcome.h"

MainWindowCommands::MainWindowCommands(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell) {}

void MainWindowCommands::Sort(bool descending) {
    shell_.actions.SetSortMarks(descending);
    shell_.state.sort.descending = descending;
    shell_.list.SortAgain(shell_.tree.Selected(), shell_.state.sort);
}

void MainWindowCommands::SortByColumn(int column) {
    const TreeEntryId shown = shell_.tree.Selected();
    ChooseSortColumn(shell_.state.sort, shown.ItemTag(), column);
    shell_.list.SortAgain(shown, shell_.state.sort);
}

void MainWindowCommands::ToggleStayOnTop() {
    QWindow* handle = shell_.window.windowHandle();
    if (!handle) {
        return;
    }
    const bool on = !(handle->flags() & Qt::WindowStaysOnTopHint);
    // On the platform window, so the main window is not rebuilt and keeps
    // its place.
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
    shell_.actions.SetChecked(Command::StayOnTop, on);
}

void MainWindowCommands::ToggleSmallPrint() {
    // A failed write leaves both as they were.
    const bool on = !SmallPrintIsOn(shell_.state.folder);
    if (!StoreSmallPrint(shell_.state.folder, on)) {
        shell_.actions.SetChecked(Command::SmallPrint, !on);
        ReportWriteFailure(shell_.prompter);
        return;
    }
    shell_.actions.SetChecked(Command::SmallPrint, on);
}

void MainWindowCommands::ShowInfo() {
    shell_.prompter.Tell(messages::kTitleInfo, messages::InfoText(TEILE_VERSION),
                         MessageIcon::Information);
}

void MainWindowCommands::Quit() {
    shell_.window.RecordGeometry();
    shell_.state.quit = QuitState::Ask;
    shell_.window.close();
}
