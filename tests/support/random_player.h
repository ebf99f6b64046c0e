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

// Plays the player's side of whole matches through the real event paths:
// drags from the hand to points of the board (most of them legal, some not)
// and Get Card while the button is enabled; the computer plays by itself.
// Everything follows from the seed, so a failing match replays exactly.
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed);

    // Plays until the program ends or `limitMs` of game time has passed, checking
    // the invariants after every action and time step. Returns what went wrong.
    std::vector<std::string> playMatch(std::int64_t limitMs = 3'600'000);

    GameHarness harness;
    std::vector<std::string> actions; // what was done, for the failure report
    int hands = 1;
    bool checkInvariants = true; // off to measure the game alone

private:
    void playersMove();
    std::mt19937_64 rng_;
    InvariantChecker checker_;
};

} // namespace pipstone::test
