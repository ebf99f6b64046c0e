#pragma once

// own
#include "state/game_state.h"
#include "state/happenings.h"

// std
#include <string>
#include <utility>
#include <vector>

namespace pipstone {

// Tells a player who cannot see the board what happened, in words, from the
// happenings the game reports where they happen: the computer's moves with
// their tile, end and the open ends after them, every draw (the player's own
// tile named), the turn, passes, each hand's result and the match's end.
class Narrator {
public:
    // Keeps a happening for the next line; cheap, as the game tells many.
    void hear(const Happening &happening)
    {
        heard_.push_back(happening);
        dealt_ = dealt_ || happening.kind == Happening::Kind::Deal;
    }
    bool hasNews() const { return !heard_.empty(); }
    // Whether the news ends with the game waiting for the player: the turn,
    // or a new hand to open, went to the player.
    bool waitsForPlayer() const
    {
        return !heard_.empty() && heard_.back().side == Happening::Side::Player &&
               (heard_.back().kind == Happening::Kind::Turn || heard_.back().kind == Happening::Kind::Deal);
    }
    // Whether a hand was dealt since the last time this was asked.
    bool takeDeal() { return std::exchange(dealt_, false); }
    // Everything heard since the last line, in order, as one line; empty
    // when nothing was.
    std::string takeLine();
    // The last line told.
    const std::string &latest() const { return latest_; }

private:
    std::vector<Happening> heard_;
    bool dealt_ = false;
    std::string latest_;
};

// One happening as a sentence: "Computer plays 3 and 5 on the left end. Left
// end 5, right end 6."
std::string sentence(const Happening &happening);
// "3 and 5": the tile of a slot as a screen reader says it.
std::string tileName(const GameState &state, int slot);
// "left end 3, right end 6", or "no tile yet" before the opening tile.
std::string openEnds(const GameState &state);

} // namespace pipstone
