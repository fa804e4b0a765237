// The built program, started as a user would start it. The tests give the
// programs their own runtime folder (where the title claim lives), so a
// decoder the developer has open does not count as the first copy.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>

#include <cstdlib>
#include <string>

#include "ChildProcess.h"
#include "TempFolder.h"

extern char** environ;

namespace {

pid_t StartZelvo() {
    std::string program = SUITE_PROGRAM_DIR "zelvo";
    char* arguments[] = {program.data(), nullptr};
    pid_t pid = -1;
    return posix_spawn(&pid, program.c_str(), nullptr, nullptr, arguments, environ) == 0 ? pid : -1;
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
