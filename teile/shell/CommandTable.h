#pragma once
// Every command of the main window with its caption, images and tool tip, and
// the layout of the menus and the toolbar.

#include <optional>
#include <vector>

#include "Commands.h"

inline constexpr int kNoImage = -1;

struct CommandEntry {
    Command command;
    const char* caption = "";  // UTF-8; the text behind "\t" is the shortcut hint
    int menuImage = kNoImage;
    int toolImage = kNoImage;  // kNoImage: no toolbar button
    const char* toolTip = "";  // exactly as shown, blanks included
    bool checkItem = false;
};

// Every command once, in the order of their numbers.
const std::vector<CommandEntry>& CommandEntries();
const CommandEntry& EntryOf(Command command);

// An entry of a menu or the toolbar: a command, or a separator line.
using BarEntry = std::optional<Command>;
inline constexpr BarEntry kSeparator = std::nullopt;

struct MenuLayout {
    const char* title;
    std::vector<BarEntry> entries;
};
const std::vector<MenuLayout>& MenuBarLayout();
// The toolbar buttons in order, with separators.
const std::vector<BarEntry>& ToolBarLayout();
