#pragma once
// The programs the menu "Werkzeuge" starts, one fixed slot each. The slot is
// what ToolProcesses keeps the running process under; the remaining slots of
// the twelve stay empty.

inline constexpr int kToolSlotCount = 12;

struct ToolProgram {
    int command;  // the CommandId that starts it
    int slot;
    const char* file;  // in the program folder; no ".exe" here
    bool console;      // writes text the user must see (no window of its own)
};

inline constexpr ToolProgram kToolPrograms[] = {
    {15, 0, "zelvo", false},
    {16, 1, "reglo", false},
    {17, 2, "dranko", true},
    {19, 3, "tastomat", false},
};

// The tool of a slot; null for an empty slot or a number out of range.
const ToolProgram* ToolProgramOfSlot(int slot);

// The slot a command starts; -1 when the command starts no tool.
int ToolSlotOfCommand(int command);
