// Whole seeded matches and random event storms, checked against the game's
// invariants after every action. PIPSTONE_SOAK sets how many of each run
// (2,000 by default).

// own
#include "support/event_storm.h"
#include "support/random_player.h"

// std
#include <chrono>
#include <cstdlib>
#include <iostream>

#include <gtest/gtest.h>

namespace pipstone::test {

namespace {

int runs()
{
    const char *soak = std::getenv("PIPSTONE_SOAK");
    return soak ? std::atoi(soak) : 2000;
}

template <typename Run> void report(const std::string &what, std::uint64_t seed, const std::vector<std::string> &problems,
                                    const std::vector<std::string> &actions)
{
    std::ostringstream replay;
    for (const std::string &action : actions)
        replay << "  " << action << "\n";
    ADD_FAILURE() << what << " seed " << seed << ": " << problems.front() << "\nreplay:\n" << replay.str();
}

} // namespace

TEST(Soak, SeededMatchesKeepEveryInvariant)
{
    const auto start = std::chrono::steady_clock::now();
    const int n = runs();
    long hands = 0;
    for (int seed = 1; seed <= n; ++seed) {
        RandomPlayer player(static_cast<std::uint64_t>(seed));
        const auto problems = player.playMatch();
        hands += player.hands;
        if (!problems.empty()) {
            report<RandomPlayer>("match", seed, problems, player.actions);
            return;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << n << " matches (" << hands << " hands) in " << seconds << " s: " << n / seconds
              << " matches per second\n";
}

TEST(Soak, EventStormsKeepEveryInvariant)
{
    const auto start = std::chrono::steady_clock::now();
    const int n = runs();
    for (int seed = 1; seed <= n; ++seed) {
        EventStorm storm(static_cast<std::uint64_t>(seed));
        const auto problems = storm.run(300);
        if (!problems.empty()) {
            report<EventStorm>("storm", seed, problems, storm.actions);
            return;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << n << " storms of 300 events in " << seconds << " s: " << n / seconds << " storms per second\n";
}

} // namespace pipstone::test
