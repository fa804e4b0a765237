#pragma once
// Every command of the main window with its caption, images and tool tip, and
// the layout of the menus and the toolbar. Commands 0-14 are numbered in
// Commands.h; these are the others.

#include <vector>

#include "Commands.h"

enum ShellCommandId : int {
    kCommandZelvo = 15,
    kCommandReglo = 16,
    kCommandCsvFiles = 17,
    kCommandStatistics = 18,
    kCommandTastomat = 19,
    kCommandCompact = 20,
    kCommandUserInformation = 21,
    kCommandColumnDefinition = 22,
    kCommandStayOnTop = 23,
    kCommandSmallPrint = 24,
    kCommandInfo = 25,
    kCommandQuit = 26,
    // Keyboard shortcuts.
    kCommandSearchEnter = 111,
    kCommandDeleteKey = 112,
    kCommandEnterKey = 113,
    kCommandSavePartKey = 114,
    kCommandToNetKey = 115,
    kCommandToGrossKey = 116,
};

inline constexpr int kNoImage = -1;

struct CommandEntry {
    int command = 0;
    const char* caption = "";  // UTF-8; the text behind "\t" is the shortcut hint
    int menuImage = kNoImage;
    int toolImage = kNoImage;  // kNoImage: no toolbar button
    const char* toolTip = "";  // exactly as shown, blanks included
    bool checkItem = false;
};

// Commands 0-26, indexed by number.
const std::vector<CommandEntry>& CommandEntries();

// A menu and its entries in order; kSeparator marks a separator line.
inline constexpr int kSeparator = -1;
struct MenuLayout {
    const char* title;
    std::vector<int> entries;
};
const std::vector<MenuLayout>& MenuBarLayout();
// The toolbar buttons in order, with separators.
const std::vector<int>& ToolBarLayout();
