#pragma once
// One menu action per command, built from the command table, plus a toolbar
// action where the command has a button (its image may differ from the menu's).
// SetCommandState enables or disables both together and keeps the
// CommandState the keyboard rules read.

#include <QObject>

#include <array>

#include "CommandState.h"
#include "Commands.h"

class QAction;
class QMenuBar;
class QToolBar;

class CommandActions : public QObject {
    Q_OBJECT

public:
    explicit CommandActions(QObject* parent = nullptr);

    void FillMenuBar(QMenuBar* menuBar);
    void FillToolBar(QToolBar* toolBar);

    void SetCommandState(Command command, bool enabled);
    void Apply(const CommandChanges& changes);
    const CommandState& State() const { return state_; }

    // "Aufsteigend" / "Absteigend": check item and toggle button of one side.
    void SetSortMarks(bool descending);
    void SetChecked(Command command, bool checked);
    bool IsChecked(Command command) const;
    void SetToolTip(Command command, const QString& toolTip);

    QAction* MenuAction(Command command) const;
    // Null for a command without a toolbar button.
    QAction* ToolAction(Command command) const;

signals:
    // From the menu item or the toolbar button of `command`.
    void Triggered(Command command);

private:
    std::array<QAction*, kCommandCount> menuActions_{};
    std::array<QAction*, kCommandCount> toolActions_{};
    CommandState state_;
};
