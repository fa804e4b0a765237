#pragma once
// SIGTERM and SIGINT end the program the way its close box does: the signal
// handler only writes a byte into a pipe, and the event loop closes the main
// window when it reads it. The program then leaves its event loop and returns
// normally with status 0, releasing its window-title claim on the way.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tastomat {

class TerminationSignals : public QObject {
    Q_OBJECT

public:
    // Call first thing in main(), before the window exists: a signal that
    // arrives early is kept in the pipe and acted on once the loop runs.
    static bool Install();

    // Calls onTermination from the event loop for every signal received.
    explicit TerminationSignals(std::function<void()> onTermination, QObject* parent = nullptr);

private:
    void Drain();

    std::function<void()> onTermination_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tastomat
