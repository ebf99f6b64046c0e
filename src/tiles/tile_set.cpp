// The double-six set and its shuffle.
//
// A tile is written as two digits, its first half never greater than its
// second. The shuffle is 28 random exchanges of two slots, not a full random
// permutation: on average a few slots keep the tile the set list gave them,
// and that is how this game deals.

// own
#include "app/game_window.h"
#include "state/text_number.h"
#include "tiles/tile_set.h"

// std
#include <utility>

namespace pipstone {

std::array<std::string, kSlots> setList()
{
    std::array<std::string, kSlots> codes;
    const auto tiles = setTiles();
    for (int i = 0; i < kSlots; ++i)
        codes[i] = toText(tiles[i].first) + toText(tiles[i].second);
    return codes;
}

void GameWindow::draw()
{
    static constexpr auto kTiles = setTiles();
    for (int i = 1; i <= kSlots; ++i) {
        s_.lcard[i].Tag.setWhole(kTiles[i - 1].first);
        s_.rcard[i].Tag.setWhole(kTiles[i - 1].second);
    }
    swap();
}

void GameWindow::swap()
{
    random_->reseed();
    // A draw is never negative, so dropping the fraction rounds it down.
    const auto drawSlot = [this] { return static_cast<int>(random_->next() * kSlots) + 1; };
    for (int round = 0; round < kSlots; ++round) {
        const int x = drawSlot();
        const int y = drawSlot();
        s_.lcard[x].Tag.swap(s_.lcard[y].Tag);
        s_.rcard[x].Tag.swap(s_.rcard[y].Tag);
    }
    for (int i = 1; i <= kSlots; ++i)
        showSlot(i);
    const auto addHand = [this](HiddenNumber &sum, int from, int to) {
        for (int i = from; i <= to; ++i)
            writeWhole(sum, readInt(s_.lcard[i].Tag) + readInt(sum) + readInt(s_.rcard[i].Tag));
    };
    addHand(s_.csc, 15, 21);
    addHand(s_.psc, 22, 28);
}

} // namespace pipstone
