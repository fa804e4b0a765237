#include "TerminationRequest.h"

#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace {

// A signal handler may do little more than write(); the byte wakes the event
// loop, which does the real work.
int requestPipe[2] = {-1, -1};

void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = write(requestPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

void CatchTerminationRequests() {
    if (pipe2(requestPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        // Without the pipe the default action stays: the process ends anyway.
        requestPipe[0] = requestPipe[1] = -1;
        return;
    }
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

TerminationRequestWatcher::TerminationRequestWatcher(QWidget* window)
    : window_(window), notifier_(nullptr) {
    if (requestPipe[0] < 0) {
        return;
    }
    notifier_ = new QSocketNotifier(requestPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationRequestWatcher::OnRequest);
}

void TerminationRequestWatcher::OnRequest() {
    char bytes[64];
    while (read(requestPipe[0], bytes, sizeof bytes) > 0) {
    }
    window_->close();
}
