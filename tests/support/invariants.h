#pragma once

// own
#include "app/game_window.h"
#include "platform/headless/headless_platform.h"

// std
#include <string>
#include <vector>

namespace pipstone::test {

// Where the first half of a slot says the tile is.
enum class Place { Stock, ComputerRow, PlayerRow, Board };
Place placeOf(const GameState &s, int slot);

// Checks everything that must hold in a game.
//
// At every moment: every tile exists once, nothing nested in itself, at most
// one box open, the match totals never go down.
// At rest (no tick or step running), besides: counts, pips and lists agree
// with the rows, the rows and the stock sit at their places, every tile shows
// the picture and takes the mouse as its place says, the board is one sound
// chain whose ends are cu and cd, endflag is 0, both timers run (the turn
// timer waits while a tile is held), the flying tile and the drag frame are
// hidden, the status names a side and the shown totals are the totals, and a
// tile is held only while a mouse button is down (or a key plays it).
// Call check() after every action and tick; each call returns what it found
// wrong (empty when sound).
//
// With watch() called at every event-processing call as well, the checker
// also follows the totals: they change only at the end of a hand that is
// over, by exactly the pips that hand leaves in each side's hand.
class InvariantChecker {
public:
    std::vector<std::string> check(const GameWindow &game, const HeadlessPlatform &platform)
    {
        return check(game, platform.mostBoxesOpen, &platform);
    }
    // For a real toolkit, which counts its own boxes and runs its own timers.
    std::vector<std::string> check(const GameWindow &game, int mostBoxesOpen)
    {
        return check(game, mostBoxesOpen, nullptr);
    }

    void watch(const GameWindow &game);

private:
    std::vector<std::string> check(const GameWindow &game, int mostBoxesOpen, const HeadlessPlatform *platform);

    int lastComputerTotal_ = 0;
    int lastPlayerTotal_ = 0;

    // What watch() has learned: the totals as they must stand, whether an end
    // of hand is running now, and what it found wrong since the last check().
    bool watching_ = false;
    int computerTotal_ = 0;
    int playerTotal_ = 0;
    bool inEndOfHand_ = false;
    std::vector<std::string> watched_;
};

} // namespace pipstone::test
