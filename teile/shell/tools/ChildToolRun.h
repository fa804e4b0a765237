#pragma once
// A tool that runs as teile's own child: a window tool, or a console tool
// run without a terminal, whose output is collected and handed on when it
// ends (as a console window would have shown it).

#include <QProcess>
#include <QStringList>

#include "ToolRun.h"

class ChildToolRun : public ToolRun {
    Q_OBJECT
public:
    enum class Output { Forwarded, Collected };

    ChildToolRun(const QString& program, const QStringList& arguments, Output output);
    ~ChildToolRun() override;

    bool IsRunning() override;
    void AskToEnd() override;
    void WaitForEnd(int milliseconds) override;
    void Kill() override;
    qint64 ProcessId() const override { return processId_; }
    // The system's words when the program file could not be started; empty
    // when it runs (or ran).
    QString StartError() const { return startError_; }

private:
    bool collected_;
    QString startError_;
    QProcess process_;
    qint64 processId_ = 0;
};
