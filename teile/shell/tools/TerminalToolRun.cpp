#include "TerminalToolRun.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <csignal>

#include "ToolProcessSetup.h"

namespace {

constexpr int kNotePollMilliseconds = 100;
constexpr int kReapMilliseconds = 1000;
const char kScriptName[] = "start.sh";
const char kNoteName[] = "tool.pid";

// A path as one word of a shell script, whatever it contains.
QByteArray ShellWord(const QString& path) {
    QByteArray word = QFile::encodeName(path);
    word.replace('\'', "'\\''");
    return '\'' + word + '\'';
}

}  // namespace

TerminalToolRun::TerminalToolRun(const QString& terminal, const QString& program) {
    if (!folder_.isValid() || !WriteStartScript(program)) {
        return;
    }
    PrepareToolProcess(terminal_);
    terminal_.setProcessChannelMode(QProcess::ForwardedChannels);
    terminal_.setProgram(terminal);
    terminal_.setArguments({QStringLiteral("-e"), QStringLiteral("/bin/sh"),
                            folder_.filePath(QString::fromLatin1(kScriptName))});
    terminal_.start();
    processId_ = terminal_.processId();
    sinceStart_.start();

    notePoll_.setInterval(kNotePollMilliseconds);
    connect(&notePoll_, &QTimer::timeout, this, [this] {
        if (ReadNote() || sinceStart_.elapsed() > kNoteGraceMilliseconds) {
            notePoll_.stop();
        }
    });
    notePoll_.start();
}

TerminalToolRun::~TerminalToolRun() { Kill(); }

bool TerminalToolRun::WriteStartScript(const QString& program) {
    const QString note = NotePath();
    const QString pending = note + QStringLiteral(".new");
    // The note is renamed into place, so it is never read half-written.
    const QByteArray script =
        "#!/bin/sh\n"
        "echo $$ > " +
        ShellWord(pending) + " && mv " + ShellWord(pending) + " " + ShellWord(note) +
        "\n"
        "cd " +
        ShellWord(QDir::currentPath()) +
        " 2>/dev/null\n"
        "exec " +
        ShellWord(program) + "\n";
    QFile file(folder_.filePath(QString::fromLatin1(kScriptName)));
    return file.open(QIODevice::WriteOnly) && file.write(script) == script.size();
}

QString TerminalToolRun::NotePath() const {
    return folder_.filePath(QString::fromLatin1(kNoteName));
}

bool TerminalToolRun::TerminalRuns() {
    if (terminal_.state() == QProcess::NotRunning) {
        return false;
    }
    return !terminal_.waitForFinished(0) && terminal_.state() != QProcess::NotRunning;
}

bool TerminalToolRun::ReadNote() {
    if (noted_) {
        return true;
    }
    QFile file(NotePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    bool number = false;
    const qint64 pid = file.readAll().trimmed().toLongLong(&number);
    noted_ = true;
    if (number && pid > 0) {
        tool_ = ForeignProcess(static_cast<pid_t>(pid));
    }
    return true;
}

bool TerminalToolRun::IsRunning() {
    if (processId_ == 0) {
        return false;
    }
    if (TerminalRuns()) {
        return true;
    }
    if (ReadNote()) {
        return tool_.IsRunning();
    }
    const bool launched = terminal_.error() != QProcess::FailedToStart &&
                          terminal_.exitStatus() == QProcess::NormalExit &&
                          terminal_.exitCode() == 0;
    return launched && sinceStart_.elapsed() <= kNoteGraceMilliseconds;
}

void TerminalToolRun::AskToEnd() {
    if (TerminalRuns()) {
        terminal_.terminate();
    }
    if (ReadNote()) {
        tool_.Signal(SIGHUP);
    }
}

void TerminalToolRun::WaitForEnd(int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    if (TerminalRuns()) {
        terminal_.waitForFinished(milliseconds);
    }
    tool_.WaitForEnd(std::max(0, milliseconds - static_cast<int>(waited.elapsed())));
}

void TerminalToolRun::Kill() {
    notePoll_.stop();
    if (TerminalRuns()) {
        terminal_.kill();
        terminal_.waitForFinished(kReapMilliseconds);
    }
    ReadNote();
    if (tool_.IsRunning()) {
        tool_.Signal(SIGKILL);
    }
}
