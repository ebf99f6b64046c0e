// The floor of a flight on a real clock: a bare loop sleeping the waits the
// game's flight asks for, one after the other, with no toolkit and nothing
// to paint. Each wait is slept as the game sleeps the last stretch of one:
// its end is set on the monotonic clock (the game's tick count) when it
// starts, and the thread sleeps until then, again if it wakes early; and it
// asks the system for the same prompt wake-ups as the game does. So it pays
// the same wake-up lateness of the machine as the game, and nothing else.
//
// The command line is a kind of flight, then one word per flight with its
// waits (see wait_runs.h), and so on; a kind named again adds to its flights,
// so that the flights can come in the game's order. For each kind it prints
// "<name> <flights> <mean ms> <mean sum of waits ms>", as bench_flights does.

// own
#include "platform/qt/window/prompt_wakeups.h"
#include "wait_runs.h"

// std
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock; // CLOCK_MONOTONIC, as the game's

double sleepFlight(const std::vector<double> &waits)
{
    const Clock::time_point start = Clock::now();
    for (const double ms : waits) {
        const Clock::time_point end = Clock::now() + std::chrono::nanoseconds(static_cast<long long>(ms * 1e6));
        for (Clock::duration left; (left = end - Clock::now()) > Clock::duration::zero();)
            std::this_thread::sleep_for(left);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Kind {
    std::string name;
    int flights = 0;
    double wall = 0, asked = 0;

    void print() const
    {
        std::printf("%s %d %.3f %.3f\n", name.c_str(), flights, flights ? wall / flights : 0,
                    flights ? asked / flights : 0);
    }
};

} // namespace

int main(int argc, char **argv)
{
    pipstone::askForPromptWakeups();
    std::vector<Kind> kinds;
    Kind *kind = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (!std::isdigit(static_cast<unsigned char>(word.front()))) {
            const auto named = std::find_if(kinds.begin(), kinds.end(), [&](const Kind &k) { return k.name == word; });
            kind = named != kinds.end() ? &*named : &kinds.emplace_back(Kind{word});
            continue;
        }
        std::vector<double> waits;
        if (!kind || !pipstone::bench::readWaits(word, waits)) {
            std::fprintf(stderr, "not a flight's waits: %s\n", word.c_str());
            return 2;
        }
        kind->wall += sleepFlight(waits);
        for (const double ms : waits)
            kind->asked += ms;
        ++kind->flights;
    }
    for (const Kind &kind : kinds)
        kind.print();
    return 0;
}
