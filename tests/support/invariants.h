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

// Checks everything that must hold at every moment of a game: every tile
// exists once, counts and pips agree with the rows, the board is one sound
// chain whose ends are cu and cd, nothing nested in itself, at most one box
// open, and the match totals never go down. Call check() after every action
// and tick; each call returns what it found wrong (empty when sound).
class InvariantChecker {
public:
    std::vector<std::string> check(const GameWindow &game, const HeadlessPlatform &platform)
    {
        return check(game, platform.mostBoxesOpen);
    }
    // For a real toolkit, which counts its own boxes.
    std::vector<std::string> check(const GameWindow &game, int mostBoxesOpen);

private:
    int lastComputerTotal_ = 0;
    int lastPlayerTotal_ = 0;
};

} // namespace pipstone::test
