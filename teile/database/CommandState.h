#pragma once
// The availability of every command of the main window as the window shows
// it. The shell keeps one and applies each change to the menu item and the
// toolbar button of the command together; the keyboard rules read it.

#include <array>

#include "Commands.h"

class CommandState {
public:
    bool IsEnabled(Command command) const;
    // A value outside the commands is ignored.
    void Set(Command command, bool enabled);
    // In order, so a later change of the same command wins.
    void Apply(const CommandChanges& changes);

private:
    std::array<bool, kCommandCount> enabled_ = [] {
        std::array<bool, kCommandCount> all{};
        all.fill(true);
        return all;
    }();
};
