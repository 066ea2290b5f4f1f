// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvory::test {

// Runs check in a child process that an alarm ends after `seconds`: a call
// that blocks or reads for ever fails the test instead of hanging it. With
// extraMemoryBytes, the child may map no more than that beyond what it has at
// the start, so that a read that grows fast fails before it takes the
// machine's memory (a failed allocation must then fail the check, not be
// handled quietly). True when check returned true in time.
inline bool PassesInChildWithin(unsigned seconds, const std::function<bool()>& check,
                                std::size_t extraMemoryBytes = 0) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(seconds);
        unsigned long pages = 0;
        std::FILE* statm = std::fopen("/proc/self/statm", "r");
        if (extraMemoryBytes > 0 && statm != nullptr && std::fscanf(statm, "%lu", &pages) == 1) {
            const rlim_t limit = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) +
                                 static_cast<rlim_t>(extraMemoryBytes);
            const rlimit memory{limit, limit};
            ::setrlimit(RLIMIT_AS, &memory);
        }
        if (statm != nullptr) {
            std::fclose(statm);
        }
        bool passed = false;
        try {
            passed = check();
        } catch (...) {
            // Not back into the test framework: the parent goes on with the tests.
        }
        ::_exit(passed ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace kelvory::test
