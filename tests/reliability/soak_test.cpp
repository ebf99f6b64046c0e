// Whole seeded matches and random event storms, checked against the game's
// invariants after every action. PIPSTONE_SOAK sets how many matches run
// (2,000 by default); three storms run for every ten matches.

// own
#include "support/event_storm.h"
#include "support/random_player.h"

// std
#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <iostream>

#include <gtest/gtest.h>

namespace pipstone::test {

namespace {

int runs()
{
    const char *soak = std::getenv("PIPSTONE_SOAK");
    return soak ? std::atoi(soak) : 2000;
}

void report(const std::string &what, std::uint64_t seed, const std::vector<std::string> &problems,
            const std::vector<std::string> &actions)
{
    std::ostringstream replay;
    for (const std::string &action : actions)
        replay << "  " << action << "\n";
    ADD_FAILURE() << what << " seed " << seed << ": " << problems.front() << "\nreplay:\n" << replay.str();
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
            // The match again, the same by its seed, this time keeping its moves.
            RandomPlayer replay(static_cast<std::uint64_t>(seed));
            replay.keepLog = true;
            replay.playMatch();
            report("match", seed, problems, replay.actions);
            return;
        }
    }
    const double seconds = secondsSince(start);
    std::cout << n << " matches (" << hands << " hands) in " << seconds << " s: " << n / seconds
              << " matches per second\n";
}

// Every kind of activity must have had events handed over inside it, or the
// storms have stopped reaching it.
TEST(Soak, EventStormsKeepEveryInvariantAndLeaveAPlayableGame)
{
    const auto start = std::chrono::steady_clock::now();
    const int n = std::max(1, runs() * 3 / 10);
    Landed landed{};
    long handedOver = 0, inside = 0, results = 0;
    int playedOut = 0, closed = 0;
    for (int seed = 1; seed <= n; ++seed) {
        EventStorm storm(static_cast<std::uint64_t>(seed));
        const auto problems = storm.run(300);
        if (!problems.empty()) {
            report("storm", seed, problems, storm.actions);
            return;
        }
        for (int k = 0; k < static_cast<int>(Inside::Count); ++k)
            landed[k] += storm.landed[k];
        handedOver += storm.handedOver;
        inside += storm.handedOverInside;
        results += storm.resultsShown;
        playedOut += storm.playedOut;
        closed += storm.closedByUser;
    }
    std::cout << n << " storms of 300 events in " << secondsSince(start) << " s: " << results
              << " hands played to their result, " << playedOut << " whole matches, " << closed
              << " closed by the user; of " << handedOver << " events handed over, " << inside
              << " inside an activity:\n";
    for (int k = 0; k < static_cast<int>(Inside::Count); ++k) {
        std::cout << "  " << std::left << std::setw(18) << nameOf(static_cast<Inside>(k)) << landed[k] << "\n";
        EXPECT_GT(landed[k], 0) << "no event landed inside the " << nameOf(static_cast<Inside>(k));
    }
}

} // namespace pipstone::test
