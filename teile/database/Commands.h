#pragma once
// The commands of the menus "Kategorie" and "Teil" whose availability follows
// the data shown. Numbers are the command numbers of the main window.

#include <vector>

enum CommandId : int {
    kCommandNewCategory = 0,
    kCommandEditCategory = 1,
    kCommandDeleteCategory = 2,
    kCommandPrint = 3,
    kCommandNewPart = 4,
    kCommandNewPartFromCopy = 5,
    kCommandEditPart = 6,
    kCommandDeletePart = 7,
    kCommandCutPart = 8,
    kCommandCopyPart = 9,
    kCommandPastePart = 10,
    kCommandOrderPart = 11,
    kCommandSearch = 12,
    kCommandSortAscending = 13,
    kCommandSortDescending = 14,
};
inline constexpr int kListCommandCount = 15;

// One change of availability. A list of them is applied in order, so a later
// change of the same command wins, exactly as the window applies them.
struct CommandChange {
    CommandId command;
    bool enabled;
    bool operator==(const CommandChange&) const = default;
};
using CommandChanges = std::vector<CommandChange>;
