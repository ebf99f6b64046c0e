#pragma once

// own
#include "board/cells.h"

// std
#include <optional>

// What the window shows to help the player beyond the game's own controls:
// the tile chosen with the keyboard, where a held tile would go, and a flash
// on a refused tile. None of it takes part in the rules.
namespace pipstone {

// Where a tile let go now would be laid: the spot of the opening tile, or the
// next cell of an arm.
struct DropTarget {
    bool opening = false;
    Arm arm = Arm::Left;
    int cell = 0;
    bool operator==(const DropTarget &) const = default;
};

struct PlayerAids {
    // The tile of the player's row chosen with the keyboard, counted from the
    // left; -1 until a key has chosen one, and no frame shows till then.
    int chosen = -1;
    // Where the held tile would go if let go where it is now; none when it
    // would come back.
    std::optional<DropTarget> dropMark;
    // Every refused drop counts here; the window flashes the frame of the
    // tile that came back.
    int refusals = 0;
    int refusedSlot = 0;

    void noteRefusal(int slot)
    {
        ++refusals;
        refusedSlot = slot;
    }
};

} // namespace pipstone
