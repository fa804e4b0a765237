#pragma once
// Every command of teile's main window, as its menus, toolbar and keys offer
// it. The engine names the commands whose availability follows the data
// shown; the window gives each one its menu item and handler. The values are
// the numbers the window's actions carry in their object names.

#include <vector>

enum class Command : int {
    // Menu "Kategorie".
    NewCategory = 0,
    EditCategory = 1,
    DeleteCategory = 2,
    Print = 3,
    // Menu "Teil".
    NewPart = 4,
    NewPartFromCopy = 5,
    EditPart = 6,
    DeletePart = 7,
    CutPart = 8,
    CopyPart = 9,
    PastePart = 10,
    OrderPart = 11,
    Search = 12,
    // Menu "Sortierung".
    SortAscending = 13,
    SortDescending = 14,
    // Menu "Werkzeuge" and the rest.
    Zelvo = 15,
    Reglo = 16,
    CsvFiles = 17,
    Statistics = 18,
    Tastomat = 19,
    Compact = 20,
    UserInformation = 21,
    ColumnDefinition = 22,
    StayOnTop = 23,
    SmallPrint = 24,
    Info = 25,
    Quit = 26,
};
inline constexpr int kCommandCount = 27;
// The commands NewCategory to SortDescending follow the list on show.
inline constexpr int kListCommandCount = 15;

constexpr int CommandNumber(Command command) { return static_cast<int>(command); }

// One change of availability. A list of them is applied in order, so a later
// change of the same command wins, exactly as the window applies them.
struct CommandChange {
    Command command;
    bool enabled;
    bool operator==(const CommandChange&) const = default;
};
using CommandChanges = std::vector<CommandChange>;
