#pragma once
// Every command of the main window goes through Dispatch: menu items, toolbar
// buttons and keyboard shortcuts alike; so do the notifications of the tree
// and the part list. Handlers gather their input, call the engine and apply
// what it returns; the rules they follow are the engine's (MainWindowRules.h).

#include <QObject>

#include <functional>
#include <map>
#include <optional>

class CategoryCommands;
class ClipboardCommands;
class CommandActions;
class MainWindow;
class OrderCommands;
class OutcomeApplier;
class PartCommands;
class PartListPanel;
class Prompter;
class ToolCommands;
class SearchCommand;
struct ShellState;

class CommandDispatcher : public QObject {
    Q_OBJECT

public:
    CommandDispatcher(ShellState& state, MainWindow& window, CommandActions& actions,
                      PartListPanel& list, OutcomeApplier& applier, CategoryCommands& categories,
                      ToolCommands& tools, QObject* parent = nullptr);

    void Dispatch(int command);
    // The part commands of the menu "Teil", each family in a class of its own.
    void AttachPartCommands(OrderCommands* orders, ClipboardCommands* clipboard,
                            SearchCommand* search);
    // A command handled by a command group of its own file. The handler
    // returns false to leave the command to the built-in one (the supplier
    // dialog takes command 1 only on an order list).
    void AddHandler(int command, std::function<bool()> handler);
    // Commands 4-6 on a category: the part editor.
    void AttachPartEditor(PartCommands& parts) { parts_ = &parts; }

    // Control notifications of the main window.
    void TreeSelectionChanged();
    void ListSelectionChanged(std::optional<int> itemData);
    void ListDoubleClicked(int itemData, bool secondTab);
    void HeaderClicked(int column);

    // Command 26 and the close box end up here through the window's close.
    std::function<void()> onQuit;

private:
    void RememberFocus();
    void Key(int command);
    void Sort(bool descending);
    void ToggleStayOnTop();
    void ToggleSmallPrint();
    void ShowInfo();
    // Commands 5 and 6: the order position dialog in an order list.
    void EditSelectedRow(int command);

    ShellState& state_;
    MainWindow& window_;
    CommandActions& actions_;
    PartListPanel& list_;
    OutcomeApplier& applier_;
    CategoryCommands& categories_;
    ToolCommands& tools_;
    OrderCommands* orders_ = nullptr;
    ClipboardCommands* clipboard_ = nullptr;
    SearchCommand* search_ = nullptr;
    // A right double click opens the dialog of command 6 on its second tab.
    bool secondTab_ = false;
    std::map<int, std::function<bool()>> handlers_;
    PartCommands* parts_ = nullptr;
};
