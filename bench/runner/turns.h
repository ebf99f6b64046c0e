#pragma once

// own
#include "child_process.h"

// std
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pipstone::bench {

// A program to run: its path, then its arguments.
using Command = std::vector<std::string>;

// Runs the commands one after the other, round after round, so that a
// change in the machine's load meanwhile falls on all of them alike, each
// round starting with the next command in turn: first
// `uncounted` rounds to warm the caches, then `rounds` counted ones. Every
// run must end cleanly and, unless `marker` is empty, print that line.
// Returns the counted runs of each command, runs[command][round]; nothing
// when a run failed (said on standard error). With `cpu` >= 0 every run keeps
// to that processor.
std::optional<std::vector<std::vector<ChildRun>>> runInTurns(const std::vector<Command> &commands, int rounds,
                                                             const std::string &marker, int uncounted = 1,
                                                             int cpu = -1);

// One figure read from each run; nothing when a run lacks it (said on
// standard error).
std::optional<std::vector<double>> figures(const std::vector<ChildRun> &runs,
                                           const std::function<std::optional<double>(const ChildRun &)> &read);

} // namespace pipstone::bench
