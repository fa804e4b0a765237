#pragma once
// Every command group of the main window, built together from the parts of
// the window they work on. The program builds them after the window, the
// list and the dialog frame, and ends them before those.

#include "AddressCommands.h"
#include "CategoryCommands.h"
#include "ClipboardCommands.h"
#include "ColumnCommand.h"
#include "CommandContext.h"
#include "CompactionCommand.h"
#include "MainWindowCommands.h"
#include "OrderCommands.h"
#include "PartCommands.h"
#include "SearchCommand.h"
#include "ToolCommands.h"

class ToolProcesses;

struct CommandGroups {
    CommandGroups(const CommandContext& shell, ToolProcesses& processes);

    // The selected tree entry: an order list in the supplier dialog, a
    // category in the category dialog; a root names nothing.
    void EditSelectedEntry();
    // The selected row: an order position in the position dialog (its second
    // tab "Abschließen"), a part in the part editor (its second tab
    // "Dokumente").
    void EditSelectedRow(bool secondTab);
    // A copy of the selected part; in an order list the position dialog.
    void CopySelectedRow();

    CommandContext shell;
    CategoryCommands categories;
    PartCommands parts;
    OrderCommands orders;
    ClipboardCommands clipboard;
    SearchCommand search;
    AddressCommands addresses;
    ColumnCommand columns;
    CompactionCommand compaction;
    ToolCommands tools;
    MainWindowCommands mainWindow;
};
