#include "CommandBindings.h"

#include <utility>

#include "CommandGroups.h"

CommandBindings::CommandBindings(CommandGroups& g) {
    using enum Command;
    const std::pair<Command, std::function<void()>> table[] = {
        {NewCategory, [&g] { g.categories.NewCategory(); }},
        {EditCategory, [&g] { g.EditSelectedEntry(); }},
        {DeleteCategory, [&g] { g.categories.DeleteSelected(); }},
        {Print, [&g] { g.tools.Print(); }},
        {NewPart, [&g] { g.parts.NewPart(); }},
        {NewPartFromCopy, [&g] { g.CopySelectedRow(); }},
        {EditPart, [&g] { g.EditSelectedRow(false); }},
        {DeletePart, [&g] { g.clipboard.DeleteSelected(); }},
        {CutPart, [&g] { g.clipboard.CutOrCopySelected(ClipboardKind::Cut); }},
        {CopyPart, [&g] { g.clipboard.CutOrCopySelected(ClipboardKind::Copy); }},
        {PastePart, [&g] { g.clipboard.PasteIntoSelected(); }},
        {OrderPart, [&g] { g.orders.OrderSelectedPart(); }},
        {Search, [&g] { g.search.Open(); }},
        {SortAscending, [&g] { g.mainWindow.Sort(false); }},
        {SortDescending, [&g] { g.mainWindow.Sort(true); }},
        {Zelvo, [&g] { g.tools.StartTool("zelvo"); }},
        {Reglo, [&g] { g.tools.StartTool("reglo"); }},
        {CsvFiles, [&g] { g.tools.StartTool("dranko"); }},
        {Statistics, [&g] { g.tools.ShowStatistics(); }},
        {Tastomat, [&g] { g.tools.StartTool("tastomat"); }},
        {Compact, [&g] { g.compaction.Run(); }},
        {UserInformation, [&g] { g.addresses.EditUserInformation(); }},
        {ColumnDefinition, [&g] { g.columns.Open(); }},
        {StayOnTop, [&g] { g.mainWindow.ToggleStayOnTop(); }},
        {SmallPrint, [&g] { g.mainWindow.ToggleSmallPrint(); }},
        {Info, [&g] { g.mainWindow.ShowInfo(); }},
        {Quit, [&g] { g.mainWindow.Quit(); }},
    };
    for (const auto& [command, handler] : table) {
        handlers_[static_cast<std::size_t>(command)] = handler;
    }
}

void CommandBindings::Run(Command command) const { handlers_[static_cast<std::size_t>(command)](); }

bool CommandBindings::IsBound(Command command) const {
    return static_cast<bool>(handlers_[static_cast<std::size_t>(command)]);
}
