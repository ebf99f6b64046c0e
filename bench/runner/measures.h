#pragma once

// own
#include "report.h"

// std
#include <string>
#include <vector>

namespace pipstone::bench {

// Where the benchmark programs are, each measure's number of runs, and the
// processor the simulation keeps to.
struct Setup {
    std::string folder;
    int startupRuns = 20;
    int idleMs = 10000;
    int cpus = 1;
    int simulationCpu = 0;
};

// Start-up to the first frame and peak memory of the game against the text
// window (and the empty window, for reference), started in turns; on the
// offscreen platform, and under a virtual X server when one is installed.
std::vector<Row> measureStartup(const Setup &setup);
// Processor time of the dealt game left waiting, against the timer window;
// and the same with the sample skin against without it.
std::vector<Row> measureIdle(const Setup &setup);
// The computer's flight and a draw's flight against the sum of their waits,
// alone and with every processor kept busy; and the shortest wait step
// against the milliseconds it asked for.
std::vector<Row> measureFlights(const Setup &setup);
// Simulated matches per second on one processor.
std::vector<Row> measureSimulation(const Setup &setup);

} // namespace pipstone::bench
