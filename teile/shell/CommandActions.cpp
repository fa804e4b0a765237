#include "CommandActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "CommandTable.h"
#include "Images.h"

namespace {

bool IsMenuCommand(int command) { return command >= 0 && command < kMenuCommandCount; }

std::size_t Index(int command) { return static_cast<std::size_t>(command); }

}  // namespace

CommandActions::CommandActions(QObject* parent) : QObject(parent) {
    for (const CommandEntry& entry : CommandEntries()) {
        const int command = entry.command;
        auto* menuAction =
            new QAction(BuiltInImage(entry.menuImage), QString::fromUtf8(entry.caption), this);
        menuAction->setObjectName(QString("menuCommand%1").arg(command));
        menuAction->setCheckable(entry.checkItem);
        menuAction->setIconVisibleInMenu(entry.menuImage != kNoImage);
        connect(menuAction, &QAction::triggered, this,
                [this, command] { emit Triggered(command); });
        menuActions_[Index(command)] = menuAction;

        if (entry.toolImage == kNoImage) {
            continue;
        }
        auto* toolAction = new QAction(BuiltInImage(entry.toolImage),
                                       QString::fromUtf8(entry.caption).section('\t', 0, 0), this);
        toolAction->setObjectName(QString("toolCommand%1").arg(command));
        toolAction->setToolTip(QString::fromUtf8(entry.toolTip));
        toolAction->setCheckable(entry.checkItem);
        connect(toolAction, &QAction::triggered, this,
                [this, command] { emit Triggered(command); });
        toolActions_[Index(command)] = toolAction;
    }
    // No exclusive group (the menu would show radio marks instead of check
    // marks): the sort command sets both sides itself, also when the checked
    // side is chosen again.
    SetSortMarks(false);
}

void CommandActions::FillMenuBar(QMenuBar* menuBar) {
    for (const MenuLayout& layout : MenuBarLayout()) {
        QMenu* menu = menuBar->addMenu(QString::fromUtf8(layout.title));
        menu->setObjectName(QString("menu%1").arg(QString::fromUtf8(layout.title)));
        for (int command : layout.entries) {
            if (command == kSeparator) {
                menu->addSeparator();
            } else {
                menu->addAction(menuActions_[Index(command)]);
            }
        }
    }
}

void CommandActions::FillToolBar(QToolBar* toolBar) {
    for (int command : ToolBarLayout()) {
        if (command == kSeparator) {
            toolBar->addSeparator();
            continue;
        }
        QAction* action = toolActions_[Index(command)];
        toolBar->addAction(action);
        if (QWidget* button = toolBar->widgetForAction(action)) {
            button->setObjectName(QString("toolButton%1").arg(command));
        }
    }
}

void CommandActions::SetCommandState(int command, bool enabled) {
    if (!IsMenuCommand(command)) {
        return;
    }
    state_.Set(command, enabled);
    menuActions_[Index(command)]->setEnabled(enabled);
    if (QAction* tool = toolActions_[Index(command)]) {
        tool->setEnabled(enabled);
    }
}

void CommandActions::Apply(const CommandChanges& changes) {
    for (const CommandChange& change : changes) {
        SetCommandState(change.command, change.enabled);
    }
}

void CommandActions::SetSortMarks(bool descending) {
    SetChecked(kCommandSortAscending, !descending);
    SetChecked(kCommandSortDescending, descending);
}

void CommandActions::SetChecked(int command, bool checked) {
    if (!IsMenuCommand(command)) {
        return;
    }
    menuActions_[Index(command)]->setChecked(checked);
    if (QAction* tool = toolActions_[Index(command)]) {
        tool->setChecked(checked);
    }
}

bool CommandActions::IsChecked(int command) const {
    return IsMenuCommand(command) && menuActions_[Index(command)]->isChecked();
}

void CommandActions::SetToolTip(int command, const QString& toolTip) {
    if (QAction* tool = ToolAction(command)) {
        tool->setToolTip(toolTip);
    }
}

QAction* CommandActions::MenuAction(int command) const {
    return IsMenuCommand(command) ? menuActions_[Index(command)] : nullptr;
}

QAction* CommandActions::ToolAction(int command) const {
    return IsMenuCommand(command) ? toolActions_[Index(command)] : nullptr;
}
