#include "CommandState.h"

namespace {

bool IsMenuCommand(int command) { return command >= 0 && command < kMenuCommandCount; }

}  // namespace

bool CommandState::IsEnabled(int command) const {
    return IsMenuCommand(command) && enabled_[static_cast<std::size_t>(command)];
}

void CommandState::Set(int command, bool enabled) {
    if (IsMenuCommand(command)) {
        enabled_[static_cast<std::size_t>(command)] = enabled;
    }
}

void CommandState::Apply(const CommandChanges& changes) {
    for (const CommandChange& change : changes) {
        Set(change.command, change.enabled);
    }
}
