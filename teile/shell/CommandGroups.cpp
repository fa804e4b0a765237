#include "CommandGroups.h"

#include "CategoryTreeView.h"

CommandGroups::CommandGroups(const CommandContext& context, ToolProcesses& processes)
    : shell(context),
      categories(context),
      parts(context),
      orders(context),
      clipboard(context),
      search(context),
      addresses(context),
      columns(context),
      compaction(context),
      tools(context.state, context.window, processes),
      mainWindow(context) {}

void CommandGroups::EditSelectedEntry() {
    if (shell.tree.Selected().IsOrderList()) {
        addresses.EditSupplier();
    } else {
        categories.EditSelected();
    }
}

void CommandGroups::EditSelectedRow(bool secondTab) {
    const TreeEntryId selected = shell.tree.Selected();
    if (selected.IsOrderList()) {
        orders.EditSelectedPosition(secondTab);
    } else {
        parts.EditSelected(secondTab);
    }
}

void CommandGroups::CopySelectedRow() {
    if (shell.tree.Selected().IsOrderList()) {
        orders.EditSelectedPosition(false);
    } else {
        parts.CopySelected();
    }
}
