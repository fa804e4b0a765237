#pragma once
// The programs the menu "Werkzeuge" starts, one fixed slot each. The slot is
// what ToolProcesses keeps the running process under; the remaining slots of
// the twelve stay empty.

#include <string_view>

inline constexpr int kToolSlotCount = 12;

struct ToolProgram {
    int slot;
    const char* file;  // in the program folder; no ".exe" here
    bool console;      // writes text the user must see (no window of its own)
};

inline constexpr ToolProgram kToolPrograms[] = {
    {0, "zelvo", false},
    {1, "reglo", false},
    {2, "dranko", true},
    {3, "tastomat", false},
};

// The tool of a slot; null for an empty slot or a number out of range.
const ToolProgram* ToolProgramOfSlot(int slot);

// The slot of the tool in `file`; -1 when no tool has that file.
int ToolSlotOfFile(std::string_view file);
