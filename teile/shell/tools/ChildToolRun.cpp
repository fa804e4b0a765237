#include "ChildToolRun.h"

#include <QProcessEnvironment>

#include <csignal>

#include <signal.h>

#include "ToolProcessSetup.h"

namespace {

// How long a killed tool may take to be reaped before we stop caring.
constexpr int kReapMilliseconds = 1000;

// dranko writes in the character set of its locale; collected output is read
// as UTF-8, so that is the set it is given.
QProcessEnvironment Utf8Environment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}

QString ConsoleText(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) {
        text.chop(1);
    }
    return text;
}

}  // namespace

ChildToolRun::ChildToolRun(const QString& program, const QStringList& arguments, Output output)
    : collected_(output == Output::Collected) {
    PrepareToolProcess(process_);
    if (collected_) {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setProcessEnvironment(Utf8Environment());
        connect(&process_, &QProcess::finished, this,
                [this] { emit ConsoleFinished(ConsoleText(process_.readAll())); });
    } else {
        // A window tool's messages go where teile's own go.
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
    }
    process_.setProgram(program);
    process_.setArguments(arguments);
    process_.start();
    // Only the exec in the child tells whether the file can run at all; the
    // wait lasts until that exec, not until the tool is up.
    if (!process_.waitForStarted() && process_.error() == QProcess::FailedToStart) {
        startError_ = process_.errorString();
    }
    processId_ = process_.processId();
}

ChildToolRun::~ChildToolRun() {
    // Nothing is reported from a run that is being thrown away.
    process_.disconnect(this);
    Kill();
}

bool ChildToolRun::IsRunning() {
    if (process_.state() == QProcess::NotRunning) {
        return false;
    }
    // A zero wait takes note of an end the event loop has not served yet.
    return !process_.waitForFinished(0) && process_.state() != QProcess::NotRunning;
}

void ChildToolRun::AskToEnd() {
    if (!IsRunning()) {
        return;
    }
    if (collected_) {
        // As from a closed console: dranko finishes the file it is writing.
        ::kill(static_cast<pid_t>(processId_), SIGHUP);
    } else {
        process_.terminate();
    }
}

void ChildToolRun::WaitForEnd(int milliseconds) {
    if (IsRunning()) {
        process_.waitForFinished(milliseconds);
    }
}

void ChildToolRun::Kill() {
    if (IsRunning()) {
        process_.kill();
        process_.waitForFinished(kReapMilliseconds);
    }
}
