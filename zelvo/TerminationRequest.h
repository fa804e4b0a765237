#pragma once
// SIGTERM and SIGINT close the window instead of killing the process: the
// close then runs through the event loop like a click on the close box, and
// the program ends normally with status 0 and gives up its title claim.
// This is also how a parent program or a test asks the decoder to close.

#include <QObject>

class QSocketNotifier;
class QWidget;

// Call first thing in main(): a request that arrives before the event loop
// runs is kept and served once it does.
void CatchTerminationRequests();

// Closes window when a request has arrived; lives inside the event loop.
class TerminationRequestWatcher : public QObject {
    Q_OBJECT

public:
    explicit TerminationRequestWatcher(QWidget* window);

private:
    void OnRequest();

    QWidget* window_;
    QSocketNotifier* notifier_;
};
