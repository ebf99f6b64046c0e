#pragma once

// std
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

} // namespace pipstone::bench
