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

// One move of the player's side as a random player makes it through the real
// event paths: most often a tile that fits dragged to its end, now and then a
// drop that will most likely come back, or Get Card while it is enabled.
// Returns false when there was nothing to do; with `said`, writes there what
// was done.
bool randomPlayersMove(GameHarness &h, std::mt19937_64 &rng, std::string *said = nullptr);

// Plays the player's side of the game in `h` on its turns, the computer
// playing by itself, until the program ends or the clock reads `untilMs`;
// checks the invariants with `checker` (when given) after every move and time
// step. Adds what it did to `actions` (when given) and each hand dealt to
// `hands`; returns what went wrong, including a program that ends before a
// total has reached 101 (nothing here closes the window).
std::vector<std::string> playToTheEnd(GameHarness &h, std::mt19937_64 &rng, InvariantChecker *checker,
                                      std::vector<std::string> *actions, int &hands, std::int64_t untilMs);

// Whole seeded matches of the random player against the computer.
// Everything follows from the seed, so a failing match replays exactly.
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed);

    // Plays until the program ends or `limitMs` of game time has passed, checking
    // the invariants after every action and time step. Returns what went wrong.
    std::vector<std::string> playMatch(std::int64_t limitMs = 3'600'000);

    GameHarness harness;
    // What was done, kept only when asked: a failure replays by its seed.
    bool keepLog = false;
    std::vector<std::string> actions;
    int hands = 1;
    bool checkInvariants = true; // off to measure the game alone

private:
    std::mt19937_64 rng_;
    InvariantChecker checker_;
};

} // namespace pipstone::test
