#include "ToolTable.h"

const ToolProgram* ToolProgramOfSlot(int slot) {
    for (const ToolProgram& program : kToolPrograms) {
        if (program.slot == slot) {
            return &program;
        }
    }
    return nullptr;
}

int ToolSlotOfFile(std::string_view file) {
    for (const ToolProgram& program : kToolPrograms) {
        if (program.file == file) {
            return program.slot;
        }
    }
    return -1;
}
