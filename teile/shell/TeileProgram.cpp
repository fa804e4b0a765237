#include "TeileProgram.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>

#include "CategoryTreeView.h"
#include "CommandContext.h"
#include "CommandDispatcher.h"
#include "CommandGroups.h"
#include "DialogFrame.h"
#include "MainWindow.h"
#include "MainWindowRules.h"
#include "Messages.h"
#include "OutcomeApplier.h"
#include "PartListPanel.h"
#include "WindowText.h"
#include "compaction/CompactionJournal.h"
#include "lists/CategoryTree.h"
#include "records/OperationOutcome.h"

TeileProgram::TeileProgram(std::string folder, QString terminal, QObject* parent)
    : QObject(parent), tools_(folder, std::move(terminal)) {
    state_.folder = std::move(folder);
}

// Out of line, where the types the unique pointers end are complete.
TeileProgram::~TeileProgram() = default;

void TeileProgram::Start() {
    RecoverCompaction();
    state_.settings = LoadSettings(state_.folder, prompter_);
    BuildWindow();
    FillTreeAndFirstList();
    window_->PlaceOnScreen();
    window_->show();
    window_->activateWindow();
    // As shown: a run that ends without the question keeps this geometry
    // unless the window moves later.
    window_->RecordGeometry();
    actions_.SetChecked(Command::SmallPrint, SmallPrintIsOn(state_.folder));
}

void TeileProgram::RecoverCompaction() {
    const RecoveryOutcome recovery = RecoverInterruptedCompaction(state_.folder);
    if (recovery.result == RecoveryResult::Failed) {
        // The start goes on: the record operations refuse to write the files
        // the pending compaction will still replace.
        prompter_.Tell(messages::kTitleFailure, messages::kRecoveryFailed, MessageIcon::Error);
    }
    if (!recovery.oldWorkFiles.empty()) {
        std::string text = messages::kOldWorkFiles;
        for (std::size_t i = 0; i < recovery.oldWorkFiles.size(); ++i) {
            text += (i > 0 ? ", " : "") + recovery.oldWorkFiles[i];
        }
        prompter_.Tell(messages::kTitleNotice, text + "     ", MessageIcon::Information);
    }
}

void TeileProgram::BuildWindow() {
    window_ = std::make_unique<MainWindow>(actions_, state_.settings);
    prompter_.SetParent(window_.get());
    list_ = std::make_unique<PartListPanel>(window_->List(), state_.settings);
    dialogs_ = std::make_unique<DialogFrame>(*window_, state_.settings);
    applier_ =
        std::make_unique<OutcomeApplier>(state_, *window_, actions_, *list_, *dialogs_, prompter_);
    const CommandContext shell{state_, *window_,  actions_,  *window_->Tree(),
                               *list_, *dialogs_, *applier_, prompter_};
    commands_ = std::make_unique<CommandGroups>(shell, tools_);
    dispatcher_ = std::make_unique<CommandDispatcher>(shell, *commands_);
    ConnectWindow();

    // The part commands that need a selected row start disabled.
    for (Command command :
         {Command::NewPartFromCopy, Command::EditPart, Command::DeletePart, Command::CutPart,
          Command::CopyPart, Command::PastePart, Command::Search}) {
        actions_.SetCommandState(command, false);
    }
    list_->SwitchListColumns(ListMode::Category);
}

void TeileProgram::ConnectWindow() {
    CommandDispatcher* dispatcher = dispatcher_.get();
    connect(&actions_, &CommandActions::Triggered, dispatcher, &CommandDispatcher::Dispatch);
    connect(window_.get(), &MainWindow::ShortcutTriggered, dispatcher,
            &CommandDispatcher::Dispatch);
    connect(window_.get(), &MainWindow::KeyPressed, dispatcher, &CommandDispatcher::KeyPressed);
    connect(window_->Tree(), &CategoryTreeView::SelectionChanged, dispatcher,
            &CommandDispatcher::TreeSelectionChanged);
    connect(list_.get(), &PartListPanel::SelectedRowChanged, dispatcher,
            &CommandDispatcher::ListSelectionChanged);
    connect(list_.get(), &PartListPanel::RowDoubleClicked, dispatcher,
            &CommandDispatcher::ListDoubleClicked);
    connect(list_.get(), &PartListPanel::HeaderClicked, dispatcher,
            &CommandDispatcher::HeaderClicked);
    connect(window_.get(), &MainWindow::CloseRequested, this, &TeileProgram::CloseRequested);
    connect(window_.get(), &MainWindow::Activated, this, [this] {
        if (state_.lastFocus && window_->isEnabled()) {
            state_.lastFocus->setFocus(Qt::ActiveWindowFocusReason);
        }
    });
    // A session that ends may not wait for the event loop: keep the layout now.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this] { SaveSettings(state_.folder, state_.settings); });
}

void TeileProgram::FillTreeAndFirstList() {
    const CategoryTree tree = FillCategoryTree(state_.folder);
    CategoryTreeView& view = *window_->Tree();
    view.Fill(tree);
    window_->SetCategoryCountText(ToWindowText(tree.statusText));
    // The first category, right below the root "Kategorien".
    view.SelectIndex(tree.categoryCount > 0 ? 1 : 0);
    if (tree.categoryCount == 0) {
        applier_->ShowSelectedList();
        for (int number = CommandNumber(Command::EditCategory);
             number <= CommandNumber(Command::Search); ++number) {
            actions_.SetCommandState(static_cast<Command>(number), false);
        }
    }
    state_.lastTreeIndex = view.SelectedIndex();
}

void TeileProgram::EndWithoutQuestion() {
    if (ended_ || !window_) {
        return;
    }
    state_.quit = QuitState::NoQuestion;
    // A message box waiting for an answer gets "Nein": nothing is done
    // without a "Ja". The quit question then ends the program itself.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
            box->reject();
        }
    }
    window_->close();
}

void TeileProgram::CloseRequested(QCloseEvent* event) {
    if (!ShutDown()) {
        event->ignore();
    }
}

bool TeileProgram::ShutDown() {
    if (ended_) {
        return true;
    }
    if (state_.quit == QuitState::Running) {
        if (state_.busy) {
            return false;  // the locked window takes no close request until its work is done
        }
        // The close box. A close request while none of teile's windows is
        // active (the session ends) comes without the question and keeps the
        // geometry recorded last.
        if (QApplication::activeWindow() == nullptr) {
            state_.quit = QuitState::NoQuestion;
        } else if (dialogs_->IsOpen()) {
            return false;  // the open dialog is closed first
        } else {
            window_->RecordGeometry();
            state_.quit = QuitState::Ask;
        }
    }
    if (state_.quit == QuitState::Ask) {
        const Answer answer = prompter_.Ask(messages::kTitleQuestion, messages::kQuitQuestion,
                                            MessageIcon::Question, Answer::No);
        if (ended_) {
            return true;
        }
        // The system may end the program while the question is open.
        if (answer != Answer::Yes && state_.quit != QuitState::NoQuestion) {
            state_.quit = QuitState::Running;
            return false;
        }
    }
    const bool asked = state_.quit == QuitState::Ask;
    ended_ = true;
    dialogs_->Close();
    tools_.TerminateAll();
    SaveSettingsOnExit(asked);
    emit Ended();
    return true;
}

void TeileProgram::SaveSettingsOnExit(bool tellFailure) {
    if (!SaveSettings(state_.folder, state_.settings) && tellFailure) {
        // The layout is lost, not the data; the user should still know.
        ReportWriteFailure(prompter_);
    }
}
