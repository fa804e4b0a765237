#pragma once
// Every command of the main window goes through Dispatch: menu items, toolbar
// buttons and keyboard shortcuts alike, each to its handler in the one
// binding table; so do the notifications of the tree and the part list.
// Handlers gather their input, call the engine and apply what it returns; the
// rules they follow are the engine's (MainWindowRules.h).

#include <QObject>

#include <optional>

#include "CommandBindings.h"
#include "CommandContext.h"
#include "Commands.h"
#include "MainWindowRules.h"

struct CommandGroups;

class CommandDispatcher : public QObject {
    Q_OBJECT

public:
    CommandDispatcher(const CommandContext& shell, CommandGroups& groups,
                      QObject* parent = nullptr);

    void Dispatch(Command command);
    // Enter and Delete run the command of the focused control.
    void KeyPressed(ShortcutKey key);

    // Notifications of the main window's controls.
    void TreeSelectionChanged();
    void ListSelectionChanged(std::optional<int> itemData);
    // Edits the row; a right double click opens the dialog's second tab.
    void ListDoubleClicked(bool rightButton);
    void HeaderClicked(int column);

    const CommandBindings& Bindings() const { return bindings_; }

private:
    void RememberFocus();

    CommandContext shell_;
    CommandGroups& groups_;
    CommandBindings bindings_;
};
