#pragma once

// std
#include <string>
#include <vector>

namespace pipstone::bench {

// One run of a benchmark program, watched from outside.
struct ChildRun {
    std::vector<std::string> lines; // its standard output, line by line
    double markerMs = -1;           // from just before starting it to reading the marker line
    long maxRssKiB = 0;             // its peak resident memory
    double cpuMs = 0;               // its processor time, user and system
    bool exitedCleanly = false;     // it ended by itself with status 0
};

// Starts `argv` (a path, then the arguments), reads its standard output to
// the end and waits for it. Its standard error goes nowhere. With `cpu` >= 0
// the program runs on that processor only.
ChildRun runChild(const std::vector<std::string> &argv, const std::string &marker, int cpu = -1);

// The first line of a run that starts with `key` and a blank, without them;
// empty when there is none.
std::string valueOf(const ChildRun &run, const std::string &key);

} // namespace pipstone::bench
