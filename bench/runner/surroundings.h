#pragma once

// std
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// What the benchmark programs can be made to run in, beyond a quiet machine.
namespace pipstone::bench {

// One process per processor, each spinning without end, for as long as this
// object lives.
class BusyProcessors {
public:
    explicit BusyProcessors(int count);
    ~BusyProcessors();
    BusyProcessors(const BusyProcessors &) = delete;
    BusyProcessors &operator=(const BusyProcessors &) = delete;

private:
    std::vector<pid_t> spinners_;
};

// A virtual X server (Xvfb) with the programs started meanwhile on Qt's X11
// platform, for as long as this object lives. running() is false when no
// X server could be started; the programs then stay where they were.
class VirtualXServer {
public:
    VirtualXServer();
    ~VirtualXServer();
    VirtualXServer(const VirtualXServer &) = delete;
    VirtualXServer &operator=(const VirtualXServer &) = delete;

    bool running() const { return server_ > 0; }

private:
    pid_t server_ = -1;
    std::string platformBefore_;
    std::string displayBefore_;
};

// Where a measure is taken: on Qt's offscreen platform or under a virtual X
// server, on a quiet machine or with one busy loop per processor.
struct Surroundings {
    bool xvfb = false;
    bool busy = false;
};

// How a line of the table names the surroundings: "", ", Xvfb", ", loaded"
// or ", Xvfb, loaded".
std::string suffixOf(const Surroundings &where);

// Sets up each of the surroundings in turn (with `cpus` busy loops where
// asked) and runs `measure` in it. Those under Xvfb are left out, with a
// line on standard error, when no X server starts. False when a measure
// returned false.
bool inEach(const std::vector<Surroundings> &places, int cpus,
            const std::function<bool(const Surroundings &)> &measure);

} // namespace pipstone::bench
