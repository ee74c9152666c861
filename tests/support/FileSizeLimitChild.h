// Test helper running work in a child process whose writes fail for real past a file-size limit.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// What the kernel does to the child when a write would pass the limit.
enum class TOverLimit {
    WriteFails,  // SIGXFSZ ignored: the write fails with EFBIG, the program reports it
    Killed,      // the child is killed with SIGKILL in the middle of that write
};

struct TChildOutcome {
    bool Exited = false;      // ended by _exit (not by a signal)
    int ExitCode = -1;        // 0: the work returned; 1: it raised
    int Signal = 0;           // the signal that ended the child, if any
    std::string Message;      // what() of the exception the work raised
};

namespace detail {
inline void KillSelf(int) { ::raise(SIGKILL); }
}  // namespace detail

// Forks; the child lowers its RLIMIT_FSIZE to `limitBytes` (works for root
// too, where permission tricks do not), arranges SIGXFSZ as `mode` says, runs
// `work` and reports the message of any exception through a pipe. Every file
// the child writes is then limited to `limitBytes`: the first write past it
// gets EFBIG (or kills the child).
inline TChildOutcome RunInChildUnderFileSizeLimit(long long limitBytes, TOverLimit mode,
                                                  const std::function<void()>& work)
{
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        struct sigaction action {};
        action.sa_handler = mode == TOverLimit::WriteFails ? SIG_IGN : detail::KillSelf;
        ::sigaction(SIGXFSZ, &action, nullptr);
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = static_cast<rlim_t>(limitBytes);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        int code = 0;
        try {
            work();
        } catch (const std::exception& e) {
            const std::string message = e.what();
            (void)!::write(fds[1], message.data(), message.size());
            code = 1;
        } catch (...) {
            code = 2;
        }
        ::close(fds[1]);
        ::_exit(code);
    }
    ::close(fds[1]);
    TChildOutcome outcome;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) outcome.Message.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    outcome.Exited = WIFEXITED(status);
    outcome.ExitCode = outcome.Exited ? WEXITSTATUS(status) : -1;
    outcome.Signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return outcome;
}

// Names of the hidden entries of a folder ("." prefix): the writers'
// temporary files, which must not survive an error.
inline std::vector<std::string> HiddenEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!name.empty() && name[0] == '.') names.push_back(name);
    }
    return names;
}

}  // namespace testsupport
