#pragma once

// own
#include "support/game_harness.h"
#include "support/invariants.h"

// std
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace pipstone::test {

// Random sequences of everything a user and a clock can do to the window:
// presses, moves and releases anywhere with any button, clicks on the three
// buttons at random moments (many of them landing inside flights, waits and
// message boxes), boxes answered after random delays, time advanced by random
// amounts, and now and then a close. Everything follows from the seed.
class EventStorm {
public:
    explicit EventStorm(std::uint64_t seed);

    // Runs `events` random events, checking the invariants after each one.
    // Returns what went wrong (empty when sound).
    std::vector<std::string> run(int events);

    GameHarness harness;
    std::vector<std::string> actions; // the events so far, to replay a failure

private:
    void oneEvent();
    std::mt19937_64 rng_;
    InvariantChecker checker_;
};

} // namespace pipstone::test
