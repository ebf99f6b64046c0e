#pragma once

// own
#include "state/game_state.h"

// std
#include <vector>

namespace pipstone {

// The slots of the tiles shown in the player's row, from left to right: what
// the keyboard chooses from and what a screen reader lists.
std::vector<int> playerRow(const GameState &s);

} // namespace pipstone
