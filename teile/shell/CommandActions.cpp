#include "CommandActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "CommandTable.h"
#include "Images.h"

namespace {

std::size_t Index(Command command) { return static_cast<std::size_t>(command); }

QString NumberOf(Command command) { return QString::number(CommandNumber(command)); }

}  // namespace

CommandActions::CommandActions(QObject* parent) : QObject(parent) {
    for (const CommandEntry& entry : CommandEntries()) {
        const Command command = entry.command;
        auto* menuAction =
            new QAction(BuiltInImage(entry.menuImage), QString::fromUtf8(entry.caption), this);
        menuAction->setObjectName("menuCommand" + NumberOf(command));
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
        toolAction->setObjectName("toolCommand" + NumberOf(command));
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
        for (const BarEntry& entry : layout.entries) {
            if (entry) {
                menu->addAction(MenuAction(*entry));
            } else {
                menu->addSeparator();
            }
        }
    }
}

void CommandActions::FillToolBar(QToolBar* toolBar) {
    for (const BarEntry& entry : ToolBarLayout()) {
        if (!entry) {
            toolBar->addSeparator();
            continue;
        }
        QAction* action = ToolAction(*entry);
        toolBar->addAction(action);
        if (QWidget* button = toolBar->widgetForAction(action)) {
            button->setObjectName("toolButton" + NumberOf(*entry));
        }
    }
}

void CommandActions::SetCommandState(Command command, bool enabled) {
    state_.Set(command, enabled);
    MenuAction(command)->setEnabled(enabled);
    if (QAction* tool = ToolAction(command)) {
        tool->setEnabled(enabled);
    }
}

void CommandActions::Apply(const CommandChanges& changes) {
    for (const CommandChange& change : changes) {
        SetCommandState(change.command, change.enabled);
    }
}

void CommandActions::SetSortMarks(bool descending) {
    SetChecked(Command::SortAscending, !descending);
    SetChecked(Command::SortDescending, descending);
}

void CommandActions::SetChecked(Command command, bool checked) {
    MenuAction(command)->setChecked(checked);
    if (QAction* tool = ToolAction(command)) {
        tool->setChecked(checked);
    }
}

bool CommandActions::IsChecked(Command command) const { return MenuAction(command)->isChecked(); }

void CommandActions::SetToolTip(Command command, const QString& toolTip) {
    if (QAction* tool = ToolAction(command)) {
        tool->setToolTip(toolTip);
    }
}

QAction* CommandActions::MenuAction(Command command) const { return menuActions_[Index(command)]; }

QAction* CommandActions::ToolAction(Command command) const { return toolActions_[Index(command)]; }
