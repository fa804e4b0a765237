#include "ForeignProcess.h"

#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <utility>

// Called directly: glibc 2.36's <sys/pidfd.h> lacks the C linkage C++ needs.
namespace {

int OpenPidfd(pid_t pid) { return static_cast<int>(syscall(SYS_pidfd_open, pid, 0)); }

void SendSignal(int pidfd, int signal) {
    syscall(SYS_pidfd_send_signal, pidfd, signal, nullptr, 0);
}

}  // namespace

ForeignProcess::ForeignProcess(pid_t pid) {
    if (pid > 0) {
        descriptor_ = OpenPidfd(pid);
    }
}

ForeignProcess::~ForeignProcess() {
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

ForeignProcess::ForeignProcess(ForeignProcess&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

ForeignProcess& ForeignProcess::operator=(ForeignProcess&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

bool ForeignProcess::WaitForEnd(int milliseconds) const {
    if (descriptor_ < 0) {
        return true;
    }
    // A pidfd becomes readable when its process has ended.
    pollfd request{descriptor_, POLLIN, 0};
    int ready = 0;
    do {
        ready = poll(&request, 1, milliseconds);
    } while (ready < 0 && errno == EINTR);
    return ready != 0;
}

void ForeignProcess::Signal(int signal) const {
    if (descriptor_ >= 0) {
        SendSignal(descriptor_, signal);
    }
}
