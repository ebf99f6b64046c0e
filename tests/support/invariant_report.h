#pragma once

// own
#include "app/game_window.h"
#include "platform/headless/headless_platform.h"

// std
#include <sstream>
#include <string>
#include <vector>

// The parts of the invariant checker (invariants.h) and what they share.
namespace pipstone::test {

// Collects what a check found wrong, one sentence per problem.
class Report {
public:
    template <typename... Parts> void fail(const Parts &...parts)
    {
        std::ostringstream out;
        (out << ... << parts);
        problems.push_back(out.str());
    }
    std::vector<std::string> problems;
};

// What holds of the hand in play: endflag is 0 and both totals are below the
// target (rest_invariants.cpp).
void checkHandInPlay(const GameState &s, Report &r);

// What must hold whenever no tick or step runs (rest_invariants.cpp); the
// timers' running state is checked only when the toolkit is headless.
void checkAtRest(const GameWindow &game, const HeadlessPlatform *platform, Report &r);

// The pips a hand leaves in each side's hand: what the end of a hand adds.
int pipsOf(const GameState &s, int slot);

} // namespace pipstone::test
