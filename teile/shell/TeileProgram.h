#pragma once
// Start-up and shutdown of teile around its one main window. main() claims
// the title first and builds this with the program folder; tests and
// benchmarks build it on a folder of their own.

#include <QObject>
#include <QString>

#include <memory>
#include <string>

#include "CommandActions.h"
#include "MessageBox.h"
#include "ShellState.h"
#include "ToolProcesses.h"

class CommandDispatcher;
class DialogFrame;
class MainWindow;
class OutcomeApplier;
class PartListPanel;
class QCloseEvent;
struct CommandGroups;

class TeileProgram : public QObject {
    Q_OBJECT

public:
    // `terminal`: the terminal console tools are shown in, empty for none
    // (FindDesktopTerminal).
    explicit TeileProgram(std::string folder, QString terminal = {}, QObject* parent = nullptr);
    ~TeileProgram() override;

    // In this order: finish an interrupted compaction, load the settings,
    // build the main window, fill the tree and the first list, restore the
    // geometry, show the window, check "Kleindruck (Bestelllung)".
    void Start();
    // SIGTERM, SIGINT: end without the question; the settings are saved.
    void EndWithoutQuestion();

    // The parts of the running program, for tests and benchmarks.
    ShellState& State() { return state_; }
    ToolProcesses& Tools() { return tools_; }
    CommandActions& Actions() { return actions_; }
    MainWindow& Window() { return *window_; }
    PartListPanel& List() { return *list_; }
    DialogFrame& Dialogs() { return *dialogs_; }
    CommandGroups& Commands() { return *commands_; }
    CommandDispatcher& Dispatcher() { return *dispatcher_; }

signals:
    // The settings are saved and the window is closed: the process may end.
    void Ended();

private:
    void RecoverCompaction();
    void BuildWindow();
    void ConnectWindow();
    void FillTreeAndFirstList();
    void CloseRequested(QCloseEvent* event);
    // The close request of the main window; false keeps the program running.
    bool ShutDown();
    void SaveSettingsOnExit(bool tellFailure);

    ShellState state_;
    MessageBoxPrompter prompter_;
    ToolProcesses tools_;
    CommandActions actions_;
    // Built by Start() once the settings are read, each on the ones before it,
    // and ended in the reverse order: the command groups before the dialog
    // frame with its open dialog, the frame before the main window.
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<PartListPanel> list_;
    std::unique_ptr<DialogFrame> dialogs_;
    std::unique_ptr<OutcomeApplier> applier_;
    std::unique_ptr<CommandGroups> commands_;
    std::unique_ptr<CommandDispatcher> dispatcher_;
    bool ended_ = false;
};
