// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvane::test {

// Runs `body` in a forked copy of the test and returns its exit status (-1 when it died
// of a signal). With `fileSizeLimit` no file the child writes may grow beyond that many
// bytes: writes past it fail with EFBIG (SIGXFSZ is ignored), as on a full disk.
// The child only returns from `body`; it never runs the test's own clean-up.
inline int runInChild(const std::function<int()> &body, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        if (fileSizeLimit != RLIM_INFINITY && ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(125);
        int status = 126;
        try {
            status = body();
        } catch (...) {
            status = 127;
        }
        ::_exit(status);
    }
    if (child < 0)
        return -2;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts `body` in a forked copy of the test and returns its process id, for a test that
// kills it (SIGKILL) and then looks at what it left.
inline pid_t startChild(const std::function<void()> &body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            body();
        } catch (...) {
        }
        ::_exit(0);
    }
    return child;
}

} // namespace quorvane::test
