#include "ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <string>
#include <thread>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

bool StillRunning(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == 0; }

bool EndsWithStatusZero(pid_t pid) {
    int status = 0;
    for (const auto deadline = Clock::now() + kChildPatience; Clock::now() < deadline;) {
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

bool WaitUntilTitleClaimed(pid_t pid) {
    const std::string owner = " " + std::to_string(pid) + " ";
    for (const auto deadline = Clock::now() + kChildPatience;
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
