#include "TeileProgram.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include "AddressCommands.h"
#include "CategoryCommands.h"
#include "CategoryTreeView.h"
#include "ClipboardCommands.h"
#include "ColumnCommand.h"
#include "CommandActions.h"
#include "CommandContext.h"
#include "CommandDispatcher.h"
#include "CommandTable.h"
#include "CompactionCommand.h"
#include "DialogFrame.h"
#include "MainWindow.h"
#include "MainWindowRules.h"
#include "MessageBox.h"
#include "Messages.h"
#include "OrderCommands.h"
#include "OutcomeApplier.h"
#include "PartCommands.h"
#include "PartListPanel.h"
#include "SearchCommand.h"
#include "ToolCommands.h"
#include "ToolProcesses.h"
#include "WindowText.h"
#include "compaction/CompactionJournal.h"
#include "lists/CategoryTree.h"
#include "records/OperationOutcome.h"

namespace {

const char kQuitTitle[] = "Frage ?";
const char kQuitQuestion[] = "Programm beenden ?     ";
const char kRecoveryFailedText[] =
    "Eine unterbrochene Kompaktierung konnte nicht abgeschlossen werden. "
    "Die betroffenen Listen bleiben bis zum n\344chsten Start gesperrt !     ";
const char kOldWorkFilesText[] =
    "Im Programmordner liegen Dateien einer fr\374heren Kompaktierung: ";

}  // namespace

TeileProgram::TeileProgram(std::string folder, QString terminal, QObject* parent)
    : QObject(parent),
      prompter_(std::make_unique<MessageBoxPrompter>()),
      tools_(std::make_unique<ToolProcesses>(folder, std::move(terminal))) {
    state_.folder = std::move(folder);
}

TeileProgram::~TeileProgram() {
    // The dialog frame owns an open dialog; it goes before the main window.
    compaction_.reset();
    columns_.reset();
    addresses_.reset();
    dispatcher_.reset();
    toolCommands_.reset();
    search_.reset();
    clipboard_.reset();
    orders_.reset();
    categories_.reset();
    parts_.reset();
    applier_.reset();
    dialogs_.reset();
    list_.reset();
    window_.reset();
}

void TeileProgram::Start() {
    RecoverCompaction();
    state_.settings = LoadSettings(state_.folder, *prompter_);
    BuildWindow();
    FillTreeAndFirstList();
    window_->PlaceOnScreen();
    window_->show();
    window_->activateWindow();
    // As shown: a run that ends without the question keeps this geometry
    // unless the window moves later.
    window_->RecordGeometry();
    actions_->SetChecked(kCommandSmallPrint, SmallPrintIsOn(state_.folder));
}

void TeileProgram::RecoverCompaction() {
    const RecoveryOutcome recovery = RecoverInterruptedCompaction(state_.folder);
    if (recovery.result == RecoveryResult::Failed) {
        // The start goes on: the record operations refuse to write the files
        // the pending compaction will still replace.
        prompter_->Tell(messages::kTitleFailure, kRecoveryFailedText, MessageIcon::Error);
    }
    if (!recovery.oldWorkFiles.empty()) {
        std::string text = kOldWorkFilesText;
        for (std::size_t i = 0; i < recovery.oldWorkFiles.size(); ++i) {
            text += (i > 0 ? ", " : "") + recovery.oldWorkFiles[i];
        }
        prompter_->Tell(messages::kTitleNotice, text + "     ", MessageIcon::Information);
    }
}

void TeileProgram::BuildWindow() {
    actions_ = std::make_unique<CommandActions>();
    window_ = std::make_unique<MainWindow>(*actions_, state_.settings);
    prompter_->SetParent(window_.get());
    list_ = std::make_unique<PartListPanel>(window_->List(), state_.settings);
    dialogs_ = std::make_unique<DialogFrame>(*window_, state_.settings);
    applier_ = std::make_unique<OutcomeApplier>(state_, *window_, *actions_, *list_, *dialogs_,
                                                *prompter_);
    const CommandContext shell{state_, *window_,  *actions_, *window_->Tree(),
                               *list_, *dialogs_, *applier_, *prompter_};
    categories_ = std::make_unique<CategoryCommands>(shell);
    toolCommands_ = std::make_unique<ToolCommands>(state_, *window_, *tools_);
    dispatcher_ = std::make_unique<CommandDispatcher>(state_, *window_, *actions_, *list_,
                                                      *applier_, *categories_, *toolCommands_);
    orders_ = std::make_unique<OrderCommands>(shell);
    clipboard_ = std::make_unique<ClipboardCommands>(shell);
    search_ = std::make_unique<SearchCommand>(shell);
    dispatcher_->AttachPartCommands(orders_.get(), clipboard_.get(), search_.get());
    parts_ = std::make_unique<PartCommands>(shell);
    dispatcher_->AttachPartEditor(*parts_);

    CommandDispatcher* dispatcher = dispatcher_.get();
    connect(actions_.get(), &CommandActions::Triggered, dispatcher, &CommandDispatcher::Dispatch);
    connect(window_.get(), &MainWindow::ShortcutPressed, dispatcher, &CommandDispatcher::Dispatch);
    connect(window_->Tree(), &CategoryTreeView::SelectionChanged, dispatcher,
            &CommandDispatcher::TreeSelectionChanged);
    connect(list_.get(), &PartListPanel::SelectedRowChanged, dispatcher,
            &CommandDispatcher::ListSelectionChanged);
    connect(list_.get(), &PartListPanel::RowDoubleClicked, dispatcher,
            &CommandDispatcher::ListDoubleClicked);
    connect(list_.get(), &PartListPanel::HeaderClicked, dispatcher,
            &CommandDispatcher::HeaderClicked);
    dispatcher_->onQuit = [this] { window_->close(); };
    window_->onCloseRequest = [this] { return ShutDown(); };
    window_->onActivated = [this] {
        if (state_.lastFocus && window_->isEnabled()) {
            state_.lastFocus->setFocus(Qt::ActiveWindowFocusReason);
        }
    };
    // A session that ends may not wait for the event loop: keep the layout now.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this] { SaveSettings(state_.folder, state_.settings); });

    // The part commands that need a selected row start disabled.
    for (int command : {kCommandNewPartFromCopy, kCommandEditPart, kCommandDeletePart,
                        kCommandCutPart, kCommandCopyPart, kCommandPastePart, kCommandSearch}) {
        actions_->SetCommandState(command, false);
    }
    list_->SwitchListColumns(ListMode::Category);
    AddAddressAndSettingsCommands(shell);
}

void TeileProgram::AddAddressAndSettingsCommands(const CommandContext& shell) {
    addresses_ = std::make_unique<AddressCommands>(shell);
    columns_ = std::make_unique<ColumnCommand>(shell);
    compaction_ = std::make_unique<CompactionCommand>(shell);
    dispatcher_->AddHandler(kCommandEditCategory, [this] { return addresses_->EditSupplier(); });
    dispatcher_->AddHandler(kCommandUserInformation, [this] {
        addresses_->EditUserInformation();
        return true;
    });
    dispatcher_->AddHandler(kCommandColumnDefinition, [this] {
        columns_->Open();
        return true;
    });
    dispatcher_->AddHandler(kCommandCompact, [this] {
        compaction_->Run();
        return true;
    });
}

void TeileProgram::FillTreeAndFirstList() {
    const CategoryTree tree = FillCategoryTree(state_.folder);
    CategoryTreeView& view = *window_->Tree();
    view.Fill(tree);
    window_->SetCategoryCountText(ToWindowText(tree.statusText));
    // Item 1 is the first category; item 0 the root "Kategorien".
    view.SelectIndex(tree.categoryCount > 0 ? 1 : 0);
    if (tree.categoryCount == 0) {
        applier_->ShowSelectedList();
        for (int command = kCommandEditCategory; command <= kCommandSearch; ++command) {
            actions_->SetCommandState(command, false);
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
        const Answer answer =
            AskUser(window_.get(), kQuitTitle, kQuitQuestion, MessageIcon::Question, Answer::No);
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
    tools_->TerminateAll();
    SaveSettingsOnExit(asked);
    emit Ended();
    return true;
}

void TeileProgram::SaveSettingsOnExit(bool tellFailure) {
    if (!SaveSettings(state_.folder, state_.settings) && tellFailure) {
        // The layout is lost, not the data; the user should still know.
        ReportWriteFailure(*prompter_);
    }
}
