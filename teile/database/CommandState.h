#pragma once
// The availability of every command of the main window as the window shows
// it. The shell keeps one and applies each change to the menu item and the
// toolbar button of the command together; the keyboard rules read it.

#include <array>

#include "Commands.h"

// Commands 0-26 come from the menus and the toolbar.
inline constexpr int kMenuCommandCount = 27;

class CommandState {
public:
    bool IsEnabled(int command) const;
    // Numbers outside 0-26 are ignored.
    void Set(int command, bool enabled);
    // In order, so a later change of the same command wins.
    void Apply(const CommandChanges& changes);

private:
    std::array<bool, kMenuCommandCount> enabled_ = [] {
        std::array<bool, kMenuCommandCount> all{};
        all.fill(true);
        return all;
    }();
};
