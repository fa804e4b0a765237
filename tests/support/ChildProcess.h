#pragma once
// Waiting on a program the test started itself, never longer than a guard
// time, so a hanging program fails its test instead of hanging the run.

#include <sys/types.h>

#include <chrono>

// Only a guard against a hanging program, never a measured expectation.
inline constexpr auto kChildPatience = std::chrono::seconds(30);

bool StillRunning(pid_t pid);
// True when the process ended with status 0; kills it if it does not end.
bool EndsWithStatusZero(pid_t pid);
// The window programs claim their title with a file lock; /proc/locks shows
// it without disturbing it, where trying the lock ourselves could take it away.
bool WaitUntilTitleClaimed(pid_t pid);
