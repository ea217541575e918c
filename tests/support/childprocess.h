#pragma once

#include <functional>

namespace testing_support {

/// What runInChild() returns when the child had not finished in time and was killed.
inline constexpr int TimedOut = 124;

/// Runs `body` in a forked child process and returns what it returned (0 for success):
/// 100 + the signal's number when a signal ended it, TimedOut when it had not finished
/// after `seconds`. Faults made in the child (limits, lost privileges, a call that blocks
/// forever) never reach the test program.
int runInChild(const std::function<int()>& body, int seconds = 20);

} // namespace testing_support
