// Runs every measure of the game's speed and prints each figure beside its
// baseline, their ratio and whether the target is met. A missed target is
// reported, never fatal: the program exits 0 unless a measure could not run.

// own
#include "measures.h"
#include "report.h"

// std
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <sched.h>
#include <string>
#include <unistd.h>

namespace {

std::string ownFolder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    const std::string exe(path, static_cast<std::size_t>(n));
    return exe.substr(0, exe.rfind('/'));
}

// The processors this program may use; the simulation takes the last.
int usableCpus(int &last)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    sched_getaffinity(0, sizeof set, &set);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &set))
            last = cpu;
    return CPU_COUNT(&set);
}

} // namespace

int main()
{
    // The windows paint on Qt's offscreen screen unless told otherwise.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    pipstone::bench::Setup setup;
    setup.folder = ownFolder();
    setup.cpus = usableCpus(setup.simulationCpu);
    std::printf("Pipstone benchmark: %d processors (nproc), Qt on the offscreen platform unless the line says Xvfb\n",
                setup.cpus);
    std::fflush(stdout);

    std::vector<pipstone::bench::Row> rows;
    bool complete = true;
    for (auto measure : {pipstone::bench::measureStartup, pipstone::bench::measureIdle,
                         pipstone::bench::measureFlights, pipstone::bench::measureSimulation})
        complete = measure(setup, rows) && complete;
    pipstone::bench::printTable(rows);
    return complete ? 0 : 1;
}
