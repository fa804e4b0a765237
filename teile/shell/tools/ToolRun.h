#pragma once
// One start of a tool program, as its slot keeps it: whether it still runs,
// and how shutdown ends it. A run stays in its slot after the tool ended,
// until the next start of that slot replaces it.

#include <QObject>
#include <QString>

class ToolRun : public QObject {
    Q_OBJECT
public:
    ~ToolRun() override = default;

    // A tool counts as running from its start until its process has ended.
    virtual bool IsRunning() = 0;
    // Asks politely: window tools close as from their close box, dranko
    // finishes the file it is writing.
    virtual void AskToEnd() = 0;
    // Waits at most `milliseconds` for the end asked for above.
    virtual void WaitForEnd(int milliseconds) = 0;
    // For a tool that did not end when asked. One that survives even this is
    // left alone.
    virtual void Kill() = 0;
    // The process teile started (the terminal, for a console tool shown in
    // one); 0 when none could be started.
    virtual qint64 ProcessId() const = 0;

signals:
    // A console tool run without a terminal has ended; `output` is what it
    // printed, to be shown to the user.
    void ConsoleFinished(const QString& output);
};
