#include "CompactionCommand.h"

#include <QApplication>

#include "MainWindow.h"
#include "Messages.h"
#include "OutcomeApplier.h"
#include "ShellState.h"
#include "WindowText.h"
#include "compaction/Compaction.h"

namespace {

// Enough for the status text to be painted before the next list starts.
constexpr int kEventRounds = 10;
constexpr int kRoundMilliseconds = 10;

}  // namespace

CompactionCommand::CompactionCommand(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell), files_(&SystemCompactionFiles()) {}

void CompactionCommand::Run() {
    CompactionCallbacks callbacks;
    callbacks.lock = [this] { Lock(); };
    callbacks.progress = [this](const std::string& text) { ShowProgress(text); };
    callbacks.unlock = [this] { Unlock(); };
    const CompactionOutcome outcome =
        CompactDatabase(shell_.state.folder, shell_.prompter, callbacks, *files_);
    if (outcome.recoveryPending) {
        // The failure was told; what the data files hold until then is not
        // the whole truth, and the user should know when it will be.
        shell_.prompter.Tell(messages::kTitleNotice, messages::kCompactionPending,
                             MessageIcon::Information);
    }
}

void CompactionCommand::Lock() {
    shell_.state.busy = true;
    shell_.window.setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CompactionCommand::ShowProgress(const std::string& text) {
    shell_.window.SetListStatusText(ToWindowText(text));
    for (int round = 0; round < kEventRounds; ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kRoundMilliseconds);
    }
}

void CompactionCommand::Unlock() {
    QApplication::restoreOverrideCursor();
    shell_.window.setEnabled(true);
    shell_.window.activateWindow();
    shell_.state.busy = false;
    // Slot numbers have changed under the rows on show.
    shell_.applier.ShowSelectedList();
}
