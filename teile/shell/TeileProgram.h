#pragma once
// Start-up and shutdown of teile around its one main window. main() claims
// the title first and builds this with the program folder; tests and
// benchmarks build it on a folder of their own.

#include <QObject>
#include <QString>

#include <memory>
#include <string>

#include "ShellState.h"

class AddressCommands;
struct CommandContext;
class CategoryCommands;
class ClipboardCommands;
class ColumnCommand;
class CommandActions;
class CommandDispatcher;
class CompactionCommand;
class DialogFrame;
class MainWindow;
class MessageBoxPrompter;
class OrderCommands;
class OutcomeApplier;
class PartCommands;
class PartListPanel;
class ToolCommands;
class SearchCommand;
class ToolProcesses;

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

    ShellState& State() { return state_; }
    MainWindow& Window() { return *window_; }
    CommandActions& Actions() { return *actions_; }
    CommandDispatcher& Dispatcher() { return *dispatcher_; }
    DialogFrame& Dialogs() { return *dialogs_; }
    PartListPanel& List() { return *list_; }
    ToolProcesses& Tools() { return *tools_; }
    OrderCommands& Orders() { return *orders_; }
    SearchCommand& Search() { return *search_; }
    CompactionCommand& Compaction() { return *compaction_; }

signals:
    // The settings are saved and the window is closed: the process may end.
    void Ended();

private:
    void RecoverCompaction();
    void BuildWindow();
    void AddAddressAndSettingsCommands(const CommandContext& shell);
    void FillTreeAndFirstList();
    // The close request of the main window; false keeps the program running.
    bool ShutDown();
    void SaveSettingsOnExit(bool tellFailure);

    ShellState state_;
    std::unique_ptr<MessageBoxPrompter> prompter_;
    std::unique_ptr<ToolProcesses> tools_;
    std::unique_ptr<CommandActions> actions_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<PartListPanel> list_;
    std::unique_ptr<DialogFrame> dialogs_;
    std::unique_ptr<OutcomeApplier> applier_;
    std::unique_ptr<CategoryCommands> categories_;
    std::unique_ptr<ToolCommands> toolCommands_;
    std::unique_ptr<OrderCommands> orders_;
    std::unique_ptr<ClipboardCommands> clipboard_;
    std::unique_ptr<SearchCommand> search_;
    std::unique_ptr<PartCommands> parts_;
    std::unique_ptr<CommandDispatcher> dispatcher_;
    std::unique_ptr<AddressCommands> addresses_;
    std::unique_ptr<ColumnCommand> columns_;
    std::unique_ptr<CompactionCommand> compaction_;
    bool ended_ = false;
};
