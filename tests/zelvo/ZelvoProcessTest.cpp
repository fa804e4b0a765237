// The built program, started as a user would start it. The tests give the
// programs their own runtime folder (where the title claim lives), so a
// decoder the developer has open does not count as the first copy.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "TempFolder.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Only a guard against a hanging program, never a measured expectation.
constexpr auto kPatience = 30s;

pid_t StartZelvo() {
    std::string program = SUITE_PROGRAM_DIR "zelvo";
    char* arguments[] = {program.data(), nullptr};
    pid_t pid = -1;
    return posix_spawn(&pid, program.c_str(), nullptr, nullptr, arguments, environ) == 0 ? pid : -1;
}

// True when the process ended with status 0; kills it if it does not end.
bool EndsWithStatusZero(pid_t pid) {
    int status = 0;
    for (const auto deadline = Clock::now() + kPatience; Clock::now() < deadline;) {
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended != 0) {
            return ended == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        std::this_thread::sleep_for(10ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return false;
}

bool StillRunning(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == 0; }

// The title is claimed with a file lock; /proc/locks shows it without
// disturbing it, where trying the lock ourselves could take it away.
bool WaitUntilTitleClaimed(pid_t pid) {
    const std::string owner = " " + std::to_string(pid) + " ";
    for (const auto deadline = Clock::now() + kPatience;
         Clock::now() < deadline && StillRunning(pid);) {
        std::ifstream locks("/proc/locks");
        for (std::string line; std::getline(locks, line);) {
            if (line.find("FLOCK") != std::string::npos && line.find(owner) != std::string::npos) {
                return true;
            }
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

class ZelvoProcess : public ::testing::Test {
protected:
    ZelvoProcess() { setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1); }
    TempFolder runtime;
};

TEST_F(ZelvoProcess, SecondCopyLeavesAtOnceAndTheFirstKeepsRunning) {
    const pid_t first = StartZelvo();
    ASSERT_GT(first, 0);
    ASSERT_TRUE(WaitUntilTitleClaimed(first));

    const pid_t second = StartZelvo();
    ASSERT_GT(second, 0);
    EXPECT_TRUE(EndsWithStatusZero(second));
    EXPECT_TRUE(StillRunning(first));

    kill(first, SIGTERM);
    EXPECT_TRUE(EndsWithStatusZero(first));
}

// SIGTERM and SIGINT close the window through the event loop; after the
// close the title is free for the next copy.
TEST_F(ZelvoProcess, ClosingTheWindowEndsWithStatusZeroAndFreesTheTitle) {
    for (int signal : {SIGTERM, SIGINT}) {
        const pid_t decoder = StartZelvo();
        ASSERT_GT(decoder, 0);
        ASSERT_TRUE(WaitUntilTitleClaimed(decoder)) << "signal " << signal;
        kill(decoder, signal);
        EXPECT_TRUE(EndsWithStatusZero(decoder)) << "signal " << signal;
    }
}

}  // namespace
