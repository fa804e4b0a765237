#include "ToolTable.h"

const ToolProgram* ToolProgramOfSlot(int slot) {
    for (const ToolProgram& program : kToolPrograms) {
        if (program.slot == slot) {
            return &program;
        }
    }
    return nullptr;
}

int ToolSlotOfCommand(int command) {
    for (const ToolProgram& program : kToolPrograms) {
        if (program.command == command) {
            return program.slot;
        }
    }
    return -1;
}
