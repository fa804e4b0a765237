#pragma once
// A process that is not our child but that we still have to watch and end:
// the console program a terminal runs for us. It is held through a pidfd, so
// its number being reused by another process after it ended cannot make us
// signal a stranger.

#include <sys/types.h>

class ForeignProcess {
public:
    ForeignProcess() = default;
    // Holds nothing when the process has already gone.
    explicit ForeignProcess(pid_t pid);
    ~ForeignProcess();
    ForeignProcess(ForeignProcess&& other) noexcept;
    ForeignProcess& operator=(ForeignProcess&& other) noexcept;
    ForeignProcess(const ForeignProcess&) = delete;
    ForeignProcess& operator=(const ForeignProcess&) = delete;

    bool IsRunning() const { return WaitForEnd(0) == false; }
    // True once it has ended (or when nothing is held), waiting at most
    // `milliseconds`.
    bool WaitForEnd(int milliseconds) const;
    void Signal(int signal) const;

private:
    int descriptor_ = -1;
};
