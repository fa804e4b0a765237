#pragma once
// The tool programs teile starts from its menu "Werkzeuge", one slot each
// (ToolTable.h), and their end at shutdown.
//
// - StartTool starts a slot's program from the program folder, without
//   arguments (but see dranko below), in teile's current directory and
//   environment, and returns at once. While the slot's last start still runs,
//   it does nothing (the running copy is not raised either); a missing or
//   empty program file is ignored without a word. A file that is there but
//   cannot run (no execute permission, not a program) is reported back, so
//   the user hears why the menu command did nothing.
// - dranko writes text the user must read. With a desktop terminal (see
//   FindDesktopTerminal) it runs in one (TerminalToolRun.h says how it is
//   tracked and ended); the user answers its closing prompt there. Without
//   one nobody could answer it: dranko gets "/FRAGNICHT" as its second
//   argument and ends without the prompt, and when it has ended ConsoleOutput
//   hands on everything it printed, for the shell to show in a message box.
// - TerminateAll, the second step of shutdown, ends every tool still running.
//   It asks first: window tools get SIGTERM and close as from their close box;
//   dranko gets SIGHUP, as from a closed console, and finishes the file it is
//   writing; a terminal showing it gets SIGTERM. What still runs after
//   kEndGraceMilliseconds is killed; one that survives even that is ignored.
//   The destructor does the same for whatever still runs. When teile dies
//   without either (killed, crashed), the kernel sends its children SIGTERM
//   (ToolProcessSetup.h), so no tool is left behind as an orphan.
//
// Must live on the user-interface thread: the processes are tied to the
// thread that started them.

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "ToolRun.h"
#include "ToolTable.h"

// A tool's program file that is there but could not be started.
struct ToolStartFailure {
    enum class Cause { NoExecutePermission, NotAProgram, Other };
    QString program;  // the file's full path
    Cause cause = Cause::Other;
    QString systemText;  // the system's own words, for Cause::Other
};

class ToolProcesses : public QObject {
    Q_OBJECT
public:
    static constexpr int kEndGraceMilliseconds = 2000;

    // `programFolder` ends in "/"; `terminal` is the terminal to show console
    // tools in, empty for none.
    ToolProcesses(std::string programFolder, QString terminal, QObject* parent = nullptr);
    ~ToolProcesses() override;

    // The failure when the slot's program file is there but did not start;
    // nothing otherwise (started, still running, no file or an empty one).
    std::optional<ToolStartFailure> StartTool(int slot);
    bool IsRunning(int slot);
    void TerminateAll();
    // The process teile started for the slot's last start (the terminal for a
    // console tool shown in one); 0 when there is none.
    qint64 ProcessId(int slot) const;

signals:
    // A console tool run without a terminal has ended; `output` is what it
    // printed, trailing line ends removed (possibly empty).
    void ConsoleOutput(int slot, const QString& output);

private:
    QString ProgramPath(const ToolProgram& program) const;

    QString programFolder_;
    QString terminal_;
    std::array<std::unique_ptr<ToolRun>, kToolSlotCount> slots_;
};
