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
    // The exchanges trade whole tiles in a copy of the slots' pips; each
    // half's pips are then written once, where the shuffle left its tile.
    std::array<std::pair<int, int>, kSlots> tiles;
    for (int i = 1; i <= kSlots; ++i)
        tiles[i - 1] = {readInt(s_.lcard[i].Tag), readInt(s_.rcard[i].Tag)};
    random_->reseed();
    // A draw is never negative, so dropping the fraction rounds it down.
    const auto drawIndex = [this] { return static_cast<int>(random_->next() * kSlots); };
    for (int round = 0; round < kSlots; ++round) {
        const int x = drawIndex();
        const int y = drawIndex();
        std::swap(tiles[x], tiles[y]);
    }
    for (int i = 1; i <= kSlots; ++i) {
        s_.lcard[i].Tag.setWhole(tiles[i - 1].first);
        s_.rcard[i].Tag.setWhole(tiles[i - 1].second);
    }
    for (int i = 1; i <= kSlots; ++i)
        showTile(i);
    writeWhole(s_.Text1, kSlots); // the last slot shown, as showSlot leaves it
    // A hand's sum is the text it held plus the pips of its seven tiles.
    const auto addHand = [this, &tiles](HiddenNumber &sum, int from, int to) {
        int total = readInt(sum);
        for (int i = from; i <= to; ++i)
            total += tiles[i - 1].first + tiles[i - 1].second;
        writeWhole(sum, total);
    };
    addHand(s_.csc, 15, 21);
    addHand(s_.psc, 22, 28);
}

} // namespace pipstone
