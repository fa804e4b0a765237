// The built program, started as a user would start it. The tests give the
// programs their own runtime folder (where the title claim lives), so a
// calculator the developer has open does not count as the first copy.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>

#include <cstdlib>
#include <string>

#include "ChildProcess.h"
#include "TempFolder.h"

extern char** environ;

namespace {

pid_t StartReglo() {
    std::string program = SUITE_PROGRAM_DIR "reglo";
    char* arguments[] = {program.data(), nullptr};
    pid_t pid = -1;
    return posix_spawn(&pid, program.c_str(), nullptr, nullptr, arguments, environ) == 0 ? pid : -1;
}

class RegloProcess : public ::testing::Test {
protected:
    RegloProcess() { setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1); }
    TempFolder runtime;
};

TEST_F(RegloProcess, SecondCopyEndsAtOnceAndTheFirstRunsOn) {
    const pid_t first = StartReglo();
    ASSERT_GT(first, 0);
    ASSERT_TRUE(WaitUntilTitleClaimed(first));

    const pid_t second = StartReglo();
    ASSERT_GT(second, 0);
    EXPECT_TRUE(EndsWithStatusZero(second));
    EXPECT_TRUE(StillRunning(first));

    // Closed through its event loop, it ends normally and frees the title.
    kill(first, SIGTERM);
    EXPECT_TRUE(EndsWithStatusZero(first));
    const pid_t next = StartReglo();
    ASSERT_GT(next, 0);
    EXPECT_TRUE(WaitUntilTitleClaimed(next));
    kill(next, SIGTERM);
    EXPECT_TRUE(EndsWithStatusZero(next));
}

}  // namespace
