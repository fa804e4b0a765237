#pragma once
// Every command of the main window goes through Dispatch: menu items, toolbar
// buttons and keyboard shortcuts alike; so do the notifications of the tree
// and the part list. Handlers gather their input, call the engine and apply
// what it returns; the rules they follow are the engine's (MainWindowRules.h).

#include <QObject>

#include <functional>
#include <optional>

class CategoryCommands;
class CommandActions;
class MainWindow;
class OutcomeApplier;
class PartCommands;
class PartListPanel;
class Prompter;
struct ShellState;

class CommandDispatcher : public QObject {
    Q_OBJECT

public:
    CommandDispatcher(ShellState& state, MainWindow& window, CommandActions& actions,
                      PartListPanel& list, OutcomeApplier& applier, CategoryCommands& categories,
                      QObject* parent = nullptr);

    void Dispatch(int command);
    // Commands 4-6 on a category: the part editor.
    void AttachPartCommands(PartCommands& parts) { parts_ = &parts; }

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

    ShellState& state_;
    MainWindow& window_;
    CommandActions& actions_;
    PartListPanel& list_;
    OutcomeApplier& applier_;
    CategoryCommands& categories_;
    PartCommands* parts_ = nullptr;
    // The command being dispatched came from a right double click: the
    // dialog it opens starts on its second tab.
    bool secondTab_ = false;
};
