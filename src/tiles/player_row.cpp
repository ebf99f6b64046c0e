#include "tiles/player_row.h"

// own
#include "state/places.h"

// std
#include <algorithm>

namespace pipstone {

std::vector<int> playerRow(const GameState &s)
{
    std::vector<int> row;
    for (int i = 1; i <= kSlots; ++i) {
        const Picture &first = s.lcard[i];
        if (first.exists && first.Visible && first.Top >= kPlayerRowLine)
            row.push_back(i);
    }
    std::stable_sort(row.begin(), row.end(), [&s](int a, int b) { return s.lcard[a].Left < s.lcard[b].Left; });
    return row;
}

} // namespace pipstone
