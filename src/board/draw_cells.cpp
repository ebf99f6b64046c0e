// The cells of the chain show where tiles lie and, one step ahead of each
// arm, where the next tile goes.

// own
#include "app/game_window.h"
#include "state/text_number.h"

// std
#include <algorithm>

namespace pipstone {

// Each arm shows its cells up to its counter, grey and sent to the back in
// order, the right arm's first; the rest are hidden. Every cell is written
// once, as its look changes.
void GameWindow::drawshape()
{
    constexpr Rgb kLightGrey{224, 224, 224};
    const auto drawArm = [this](std::array<Shape, kCells> &arm, const std::string &counter) {
        const int last = std::min(readInt(counter), kCells - 1);
        for (int k = 0; k < kCells; ++k) {
            Shape &cell = arm[k];
            cell.filled = true;
            cell.FillColor = kLightGrey;
            cell.Visible = k <= last;
            if (k <= last)
                s_.sendToBack(cell);
        }
    };
    drawArm(s_.Shr, s_.first[1]);
    drawArm(s_.Shl, s_.first[2]);
}

} // namespace pipstone
