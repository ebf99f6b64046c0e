#pragma once

// own
#include "state/game_state.h"

// std
#include <array>
#include <string>
#include <utility>

namespace pipstone {

// The 28 tiles of the double-six set in set order, as the pips of their two
// halves: 0-0, 0-1, ... 0-6, 1-1, ... 6-6. Slot i receives tile i - 1 before
// the shuffle.
constexpr std::array<std::pair<int, int>, kSlots> setTiles()
{
    std::array<std::pair<int, int>, kSlots> tiles{};
    int i = 0;
    for (int low = 0; low <= 6; ++low)
        for (int high = low; high <= 6; ++high)
            tiles[i++] = {low, high};
    return tiles;
}

// The same tiles as codes, the pips written one after the other: "00", "01",
// ... "66".
std::array<std::string, kSlots> setList();

} // namespace pipstone
