// The cells of the chain show where tiles lie and, one step ahead of each
// arm, where the next tile goes.

// own
#include "app/game_window.h"
#include "state/text_number.h"

// std
#include <algorithm>

namespace pipstone {

void GameWindow::drawshape()
{
    constexpr Rgb kLightGrey{224, 224, 224};
    for (int k = 0; k < kCells; ++k) {
        for (Shape *cell : {&s_.Shl[k], &s_.Shr[k]}) {
            cell->Visible = false;
            cell->filled = true;
            cell->FillColor = kLightGrey;
        }
    }
    const auto showUpTo = [this](std::array<Shape, kCells> &arm, const std::string &counter) {
        const int last = std::min(readInt(counter), kCells - 1);
        for (int k = 0; k <= last; ++k) {
            arm[k].Visible = true;
            s_.sendToBack(arm[k]);
        }
    };
    showUpTo(s_.Shr, s_.first[1]);
    showUpTo(s_.Shl, s_.first[2]);
}

} // namespace pipstone
