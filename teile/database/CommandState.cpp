#include "CommandState.h"

namespace {

bool IsCommand(Command command) {
    return CommandNumber(command) >= 0 && CommandNumber(command) < kCommandCount;
}

std::size_t Index(Command command) { return static_cast<std::size_t>(command); }

}  // namespace

bool CommandState::IsEnabled(Command command) const {
    return IsCommand(command) && enabled_[Index(command)];
}

void CommandState::Set(Command command, bool enabled) {
    if (IsCommand(command)) {
        enabled_[Index(command)] = enabled;
    }
}

void CommandState::Apply(const CommandChanges& changes) {
    for (const CommandChange& change : changes) {
        Set(change.command, change.enabled);
    }
}
