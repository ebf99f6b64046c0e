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
#include <cmath>
#include <utility>

namespace pipstone {

std::array<std::string, kSlots> setList()
{
    std::array<std::string, kSlots> codes;
    int i = 0;
    for (int low = 0; low <= 6; ++low)
        for (int high = low; high <= 6; ++high)
            codes[i++] = toText(low) + toText(high);
    return codes;
}

void GameWindow::draw()
{
    const auto codes = setList();
    for (int i = 1; i <= kSlots; ++i) {
        const std::string &code = codes[i - 1];
        s_.lcard[i].Tag = toText(readInt(code.substr(0, 1)));
        s_.rcard[i].Tag = toText(readInt(code.substr(code.size() - 1)));
    }
    swap();
}

void GameWindow::swap()
{
    random_->reseed();
    const auto drawSlot = [this] { return static_cast<int>(std::floor(random_->next() * kSlots)) + 1; };
    for (int round = 0; round < kSlots; ++round) {
        const int x = drawSlot();
        const int y = drawSlot();
        std::swap(s_.lcard[x].Tag, s_.lcard[y].Tag);
        std::swap(s_.rcard[x].Tag, s_.rcard[y].Tag);
    }
    for (int i = 1; i <= kSlots; ++i)
        showSlot(i);
    const auto addHand = [this](std::string &sum, int from, int to) {
        for (int i = from; i <= to; ++i)
            sum = toText(readInt(s_.lcard[i].Tag) + readInt(sum) + readInt(s_.rcard[i].Tag));
    };
    addHand(s_.csc, 15, 21);
    addHand(s_.psc, 22, 28);
}

} // namespace pipstone
