#pragma once

// own
#include "state/game_state.h"

// std
#include <string>

namespace pipstone {

// Tells a player who cannot see the board what just happened: the computer
// played or drew, the player played, drew or had a tile refused, the turn
// changed, a hand was scored, a new hand was dealt. It compares what the state shows with what it saw last and
// only reads the state.
class Narrator {
public:
    // What changed since the last look, as one spoken line; empty when
    // nothing worth telling did.
    std::string observe(const GameState &state);
    // The last line told.
    const std::string &latest() const { return latest_; }

private:
    bool looked_ = false;
    std::string status_, computerTotal_, playerTotal_;
    int computerTiles_ = 0, playerTiles_ = 0, drawn_ = 0, refusals_ = 0;
    std::string latest_;
};

// "3 and 5": the tile of a slot as a screen reader says it.
std::string tileName(const GameState &state, int slot);
// "left end 3, right end 6", or "no tile yet" before the opening tile.
std::string openEnds(const GameState &state);

} // namespace pipstone
