#pragma once
// The terminal console tools are shown in: Debian's x-terminal-emulator, the
// user's chosen terminal, when it is installed and a desktop is there to show
// its window. Empty otherwise; dranko then runs without one and its output is
// shown when it ends. main() asks once and hands the answer to ToolProcesses.

#include <QString>

QString FindDesktopTerminal();
