#pragma once
// The one table from every command to its handler. It is built over command
// groups that exist already, so no handler is missing and none is looked for.

#include <array>
#include <functional>

#include "Commands.h"

struct CommandGroups;

class CommandBindings {
public:
    explicit CommandBindings(CommandGroups& groups);

    void Run(Command command) const;
    bool IsBound(Command command) const;

private:
    std::array<std::function<void()>, kCommandCount> handlers_;
};
