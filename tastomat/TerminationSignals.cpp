#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tastomat {

namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a pending request; losing this byte is fine.
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

bool TerminationSignals::Install() {
    if (signalPipe[0] >= 0) {
        return true;
    }
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}

TerminationSignals::TerminationSignals(std::function<void()> onTermination, QObject* parent)
    : QObject(parent), onTermination_(std::move(onTermination)) {
    if (signalPipe[0] < 0) {
        return;
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Drain);
}

void TerminationSignals::Drain() {
    char buffer[16];
    while (read(signalPipe[0], buffer, sizeof buffer) > 0) {
    }
    if (onTermination_) {
        onTermination_();
    }
}

}  // namespace tastomat
