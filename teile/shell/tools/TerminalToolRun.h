#pragma once
// A console tool shown in the desktop's terminal, as Windows shows a console
// program in a console window.
//
// The terminal gets "-e /bin/sh <start script>" (every x-terminal-emulator
// takes -e as xterm does). The script, written by us into a private folder,
// notes its own process number there, changes to teile's current directory and
// replaces itself with the tool, so the noted number is the tool's. We need the
// tool itself because many terminals (gnome-terminal, xfce4-terminal, ...)
// hand the window to a server process and their launcher returns at once: the
// process teile started, the one the slot names, has then ended while the tool
// still runs in its window.
//
// The tool counts as running while the terminal process runs or the noted tool
// runs; between a launcher that returned successfully and the note, for at
// most kNoteGraceMilliseconds. The note is picked up as soon as it appears,
// long before the tool could have ended (it waits for Enter at its end), so
// its number cannot belong to another process by then.
//
// Shutdown terminates the terminal process (a terminal closes its window and
// hangs up its program) and sends the tool SIGHUP, as a closed window does:
// dranko then finishes the file it is writing and ends, or ends at once at its
// closing prompt. A tool that even SIGKILL cannot end is left alone.

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "ForeignProcess.h"
#include "ToolRun.h"

class TerminalToolRun : public ToolRun {
    Q_OBJECT
public:
    static constexpr int kNoteGraceMilliseconds = 10000;

    TerminalToolRun(const QString& terminal, const QString& program);
    ~TerminalToolRun() override;

    bool IsRunning() override;
    void AskToEnd() override;
    void WaitForEnd(int milliseconds) override;
    void Kill() override;
    qint64 ProcessId() const override { return processId_; }

private:
    bool WriteStartScript(const QString& program);
    QString NotePath() const;
    bool TerminalRuns();
    // Takes the tool's number once it has been noted; true from then on.
    bool ReadNote();

    QTemporaryDir folder_;
    QProcess terminal_;
    qint64 processId_ = 0;
    QElapsedTimer sinceStart_;
    QTimer notePoll_;
    bool noted_ = false;
    ForeignProcess tool_;
};
