#include "ToolCommands.h"

#include <optional>

#include "CategoryTreeView.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "Messages.h"
#include "PrintJob.h"
#include "ShellState.h"
#include "StatisticsCall.h"
#include "ToolProcesses.h"
#include "ToolTable.h"
#include "WindowText.h"

ToolCommands::ToolCommands(ShellState& state, MainWindow& window, ToolProcesses& tools,
                           QObject* parent)
    : QObject(parent), state_(state), window_(window), tools_(tools) {
    // Queued: the box waits for the user in an event loop of its own, and the
    // run that reported the output must not be replaced by a new start of the
    // tool while it is still reporting.
    connect(
        &tools_, &ToolProcesses::ConsoleOutput, this,
        [this](int, const QString& output) { ShowConsoleOutput(output); }, Qt::QueuedConnection);
}

void ToolCommands::StartTool(std::string_view file) {
    const int slot = ToolSlotOfFile(file);
    if (slot < 0) {
        return;
    }
    if (const std::optional<ToolStartFailure> failure = tools_.StartTool(slot)) {
        ShowStartFailure(*failure);
    }
}

void ToolCommands::Print() {
    // The job owns everything it uses; its result is of no interest to the
    // window, and dropping the future does not wait for the printer.
    StartPrintJob(state_.folder, window_.Tree()->Selected().ItemTag());
}

void ToolCommands::ShowStatistics() {
    // The library gets the main window as its parent widget.
    ::ShowStatistics(state_.folder, static_cast<QWidget*>(&window_),
                     [this](bool enabled) { SetMainWindowEnabled(enabled); });
}

void ToolCommands::ShowConsoleOutput(const QString& output) {
    // dranko's output is already Unicode text; it only goes to the box as it
    // came. Nothing is shown once teile is ending or when dranko said nothing.
    if (output.isEmpty() || !window_.isVisible()) {
        return;
    }
    TellUser(&window_, ToWindowText(messages::kTitleInfo), output, MessageIcon::Information);
}

void ToolCommands::ShowStartFailure(const ToolStartFailure& failure) {
    QString reason;
    switch (failure.cause) {
    case ToolStartFailure::Cause::NoExecutePermission:
        reason = ToWindowText(messages::kToolNotExecutable);
        break;
    case ToolStartFailure::Cause::NotAProgram:
        reason = ToWindowText(messages::kToolNotAProgram);
        break;
    case ToolStartFailure::Cause::Other:
        reason = ToWindowText(messages::kToolSystemSays) + failure.systemText;
        break;
    }
    const QString text = ToWindowText(messages::kToolNotStarted) + QLatin1Char('\n') +
                         failure.program + QLatin1Char('\n') + reason + QStringLiteral("     ");
    TellUser(&window_, ToWindowText(messages::kTitleFailure), text, MessageIcon::Error);
}

void ToolCommands::SetMainWindowEnabled(bool enabled) {
    window_.setEnabled(enabled);
    if (enabled) {
        window_.activateWindow();
    }
}
