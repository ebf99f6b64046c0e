#include "child_process.h"

// std
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pipstone::bench {

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

double ms(const timeval &t)
{
    return t.tv_sec * 1000.0 + t.tv_usec / 1000.0;
}

// In the new process, between fork and exec: only async-signal-safe calls.
[[noreturn]] void becomeChild(char *const *args, int output, int cpu)
{
    if (cpu >= 0) {
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(cpu, &one);
        sched_setaffinity(0, sizeof one, &one);
    }
    dup2(output, STDOUT_FILENO);
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere >= 0)
        dup2(nowhere, STDERR_FILENO);
    execv(args[0], args);
    _exit(127);
}

} // namespace

ChildRun runChild(const std::vector<std::string> &argv, const std::string &marker, int cpu)
{
    ChildRun run;
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return run;
    const double startedAt = nowMs();
    const pid_t pid = fork();
    if (pid == 0)
        becomeChild(args.data(), pipeEnds[1], cpu);
    close(pipeEnds[1]);
    if (pid < 0) {
        close(pipeEnds[0]);
        return run;
    }

    std::string partial;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        const double at = nowMs();
        partial.append(buffer, static_cast<std::size_t>(n));
        for (std::size_t end; (end = partial.find('\n')) != std::string::npos;) {
            run.lines.push_back(partial.substr(0, end));
            partial.erase(0, end + 1);
            if (run.markerMs < 0 && run.lines.back() == marker)
                run.markerMs = at - startedAt;
        }
    }
    close(pipeEnds[0]);
    if (!partial.empty())
        run.lines.push_back(partial);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.exitedCleanly = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.maxRssKiB = usage.ru_maxrss;
    run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    return run;
}

std::string valueOf(const ChildRun &run, const std::string &key)
{
    for (const std::string &line : run.lines)
        if (line.size() > key.size() && line.compare(0, key.size(), key) == 0 && line[key.size()] == ' ')
            return line.substr(key.size() + 1);
    return {};
}

} // namespace pipstone::bench
