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
class QWidget;

class CommandActions : public QObject {
    Q_OBJECT

public:
    explicit CommandActions(QObject* parent = nullptr);

    void FillMenuBar(QMenuBar* menuBar);
    void FillToolBar(QToolBar* toolBar);

    void SetCommandState(int command, bool enabled);
    void Apply(const CommandChanges& changes);
    const CommandState& State() const { return state_; }

    // "Aufsteigend" / "Absteigend": check item and toggle button of one side.
    void SetSortMarks(bool descending);
    void SetChecked(int command, bool checked);
    bool IsChecked(int command) const;
    void SetToolTip(int command, const QString& toolTip);

    QAction* MenuAction(int command) const;
    QAction* ToolAction(int command) const;

signals:
    // From the menu item or the toolbar button of `command`.
    void Triggered(int command);

private:
    std::array<QAction*, kMenuCommandCount> menuActions_{};
    std::array<QAction*, kMenuCommandCount> toolActions_{};
    CommandState state_;
};
