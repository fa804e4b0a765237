#pragma once
// What every process teile starts for a tool has in common: nothing on its
// standard input (no tool of the suite reads one, and should dranko's closing
// prompt come, it takes the end of input as its Enter), and an end tied to
// teile's own.

class QProcess;

// Call before start(). A tool started this way gets SIGTERM from the kernel
// when teile's user-interface thread ends without having ended it, even when
// teile itself was killed or crashed; an orderly shutdown ends the tools
// before that (ToolProcesses::TerminateAll).
void PrepareToolProcess(QProcess& process);
