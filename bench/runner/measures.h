#pragma once

// own
#include "report.h"

// std
#include <string>
#include <vector>

namespace pipstone::bench {

// Where the benchmark programs are, each measure's number of rounds (each
// round runs the game's program and its baseline's once, in turns), and the
// processors.
struct Setup {
    std::string folder;
    int startupRounds = 40;
    int idleRounds = 5;
    int idleMs = 10000;
    int flightRounds = 5;
    int flightHands = 3; // hands a run of the flights program plays
    int simulationRuns = 7;
    int cpus = 1;
    int simulationCpu = 0;
};

// Each measure adds its lines to `rows`; false when a program could not run
// (said on standard error), the lines measured until then kept.

// Start-up to the first frame and peak memory of the game against the text
// window (and the text window against the empty one, for reference), on the
// offscreen platform and under a virtual X server.
bool measureStartup(const Setup &setup, std::vector<Row> &rows);
// Processor time of the dealt game left waiting, against the timer window,
// offscreen and under a virtual X server, each on a quiet machine and with
// every processor kept busy; and the game with the sample skin against
// without it.
bool measureIdle(const Setup &setup, std::vector<Row> &rows);
// The computer's flight and a draw's flight against a bare loop sleeping
// the same waits, on a quiet machine and with every processor kept busy;
// the first draw's start after start-up against a later one's; and the
// shortest wait step against the milliseconds it asked for.
bool measureFlights(const Setup &setup, std::vector<Row> &rows);
// Simulated matches per second on one processor, against the target.
bool measureSimulation(const Setup &setup, std::vector<Row> &rows);

} // namespace pipstone::bench
