#include "surroundings.h"

// std
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pipstone::bench {

namespace {

void endProcess(pid_t pid, int signal)
{
    kill(pid, signal);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

std::string environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

void restoreEnvironment(const char *name, const std::string &value)
{
    if (value.empty())
        unsetenv(name);
    else
        setenv(name, value.c_str(), 1);
}

} // namespace

BusyProcessors::BusyProcessors(int count)
{
    for (int i = 0; i < count; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            volatile unsigned long spins = 0;
            for (;;)
                spins = spins + 1;
        }
        if (pid > 0)
            spinners_.push_back(pid);
    }
}

BusyProcessors::~BusyProcessors()
{
    for (pid_t pid : spinners_)
        endProcess(pid, SIGKILL);
}

VirtualXServer::VirtualXServer()
    : platformBefore_(environmentValue("QT_QPA_PLATFORM"))
    , displayBefore_(environmentValue("DISPLAY"))
{
    constexpr const char *kServer = "/usr/bin/Xvfb";
    if (access(kServer, X_OK) != 0)
        return;
    // A display number nobody uses: no socket of that number exists.
    int display = 90;
    struct stat unused {};
    while (display < 200 && stat(("/tmp/.X11-unix/X" + std::to_string(display)).c_str(), &unused) == 0)
        ++display;
    const std::string name = ":" + std::to_string(display);
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(display);
    server_ = fork();
    if (server_ == 0) {
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execl(kServer, kServer, name.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp", nullptr);
        _exit(127);
    }
    if (server_ < 0)
        return;
    // Ready once its socket is there; give up after five seconds.
    for (int waited = 0; stat(socket.c_str(), &unused) != 0; ++waited) {
        if (waited == 500 || waitpid(server_, nullptr, WNOHANG) == server_) {
            endProcess(server_, SIGKILL);
            server_ = -1;
            return;
        }
        const timespec tenMs{0, 10'000'000};
        nanosleep(&tenMs, nullptr);
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("DISPLAY", name.c_str(), 1);
}

VirtualXServer::~VirtualXServer()
{
    if (!running())
        return;
    restoreEnvironment("QT_QPA_PLATFORM", platformBefore_);
    restoreEnvironment("DISPLAY", displayBefore_);
    // Asked politely, the server removes its socket and lock file.
    endProcess(server_, SIGTERM);
}

std::string suffixOf(const Surroundings &where)
{
    return std::string(where.xvfb ? ", Xvfb" : "") + (where.busy ? ", loaded" : "");
}

bool inEach(const std::vector<Surroundings> &places, int cpus,
            const std::function<bool(const Surroundings &)> &measure)
{
    bool allRan = true;
    for (const Surroundings &where : places) {
        std::optional<VirtualXServer> x;
        if (where.xvfb && !x.emplace().running()) {
            std::fprintf(stderr, "  no X server could be started: the lines under Xvfb are left out\n");
            continue;
        }
        std::optional<BusyProcessors> busy;
        if (where.busy)
            busy.emplace(cpus);
        allRan = measure(where) && allRan;
    }
    return allRan;
}

} // namespace pipstone::bench
