#pragma once

// own
#include "state/game_state.h"

// std
#include <array>
#include <string>

namespace pipstone {

// The 28 codes of the double-six set in set order: "00", "01", ... "06",
// "11", ... "66". Slot i receives code i - 1 before the shuffle.
std::array<std::string, kSlots> setList();

} // namespace pipstone
