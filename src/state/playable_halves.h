#pragma once

// own
#include "state/game_state.h"

namespace pipstone {

// How many halves of the tile in `slot` show the pips of an open end (`left`
// or `right`): 0, 1 or 2. The counts and the computer's search ask this of
// every tile in a row, so the two halves are compared side by side, as a
// pair of numbers against each end.
inline int playableHalves(const GameState &s, int slot, double left, double right)
{
    using NumberPair = double __attribute__((vector_size(16)));
    const NumberPair halves = {readNumber(s.lcard[slot].Tag), readNumber(s.rcard[slot].Tag)};
    const NumberPair leftEnd = {left, left};
    const NumberPair rightEnd = {right, right};
    const auto shows = (halves == leftEnd) | (halves == rightEnd); // -1 in a lane that shows an end
    return static_cast<int>(-(shows[0] + shows[1]));
}

} // namespace pipstone
