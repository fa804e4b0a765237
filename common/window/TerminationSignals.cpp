#include "window/TerminationSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace {

int signalPipe[2] = {-1, -1};

void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a pending request; losing this byte is fine.
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

int CatchTerminationSignals() {
    if (signalPipe[0] >= 0) {
        return signalPipe[0];
    }
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        signalPipe[0] = signalPipe[1] = -1;
        return -1;
    }
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    return signalPipe[0];
}

void DrainTerminationSignals(int descriptor) {
    char bytes[64];
    while (read(descriptor, bytes, sizeof bytes) > 0) {
    }
}
