#pragma once
// Single-instance tokens for tests that start a whole program in-process.
#include <string>
#include <unistd.h>

namespace testsupport {

// A token no other start in this process has taken: the lock of an earlier
// start may still be held by this process.
inline std::string unique_token() {
    static int starts = 0;
    return "test-run-" + std::to_string(getpid()) + "-" + std::to_string(++starts);
}

} // namespace testsupport
