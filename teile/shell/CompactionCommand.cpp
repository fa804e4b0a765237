#include "CompactionCommand.h"

#include <QApplication>

#include "Compaction.h"
#include "MainWindow.h"
#include "Messages.h"
#include "OutcomeApplier.h"
#include "ShellState.h"
#include "WindowText.h"

namespace {

// Enough for the status text to be painted before the next list starts.
constexpr int kEventRounds = 10;
constexpr int kRoundMilliseconds = 10;

}  // namespace

CompactionCommand::CompactionCommand(ShellState& state, MainWindow& window, OutcomeApplier& applier,
                                     Prompter& prompter, QObject* parent)
    : QObject(parent),
      state_(state),
      window_(window),
      applier_(applier),
      prompter_(prompter),
      files_(&SystemCompactionFiles()) {}

void CompactionCommand::Run() {
    CompactionCallbacks callbacks;
    callbacks.lock = [this] { Lock(); };
    callbacks.progress = [this](const std::string& text) { ShowProgress(text); };
    callbacks.unlock = [this] { Unlock(); };
    const CompactionOutcome outcome = CompactDatabase(state_.folder, prompter_, callbacks, *files_);
    if (outcome.recoveryPending) {
        // The failure was told; what the data files hold until then is not
        // the whole truth, and the user should know when it will be.
        prompter_.Tell(messages::kTitleNotice, messages::kCompactionPending,
                       MessageIcon::Information);
    }
}

void CompactionCommand::Lock() {
    state_.busy = true;
    window_.setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CompactionCommand::ShowProgress(const std::string& text) {
    window_.SetListStatusText(ToWindowText(text));
    for (int round = 0; round < kEventRounds; ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kRoundMilliseconds);
    }
}

void CompactionCommand::Unlock() {
    QApplication::restoreOverrideCursor();
    window_.setEnabled(true);
    window_.activateWindow();
    state_.busy = false;
    // Slot numbers have changed under the rows on show.
    applier_.ShowSelectedList();
}
