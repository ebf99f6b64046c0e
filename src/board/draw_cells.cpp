// The cells of the chain show where tiles lie and, one step ahead of each
// arm, where the next tile goes.

// own
#include "app/game_window.h"
#include "state/number_text.h"

// std
#include <algorithm>

namespace pipstone {

// Each arm shows its cells up to its counter, grey and sent to the back in
// order, the right arm's first; the rest are hidden.
//
// Nothing but this draws the cells, so after the first draw every cell is
// already grey and only the cells between the old and the new counter change
// their showing: a draw after a move writes those, and takes a new stacking
// for every shown cell, without walking the hidden rest of the arm.
void GameWindow::drawshape()
{
    constexpr Rgb kLightGrey{224, 224, 224};
    const auto drawArm = [this](std::array<Shape, kCells> &arm, const HiddenNumber &counter, int &drawn) {
        const int shown = std::max(std::min(readInt(counter), kCells - 1) + 1, 0);
        if (drawn < 0) { // the first draw: every cell takes its look
            for (Shape &cell : arm) {
                cell.filled = true;
                cell.FillColor = kLightGrey;
                cell.Visible = false;
            }
            drawn = 0;
        }
        // Sending each shown cell to the back in turn gives them ever lower
        // stackings, counted down here and noted once at the end.
        long z = s_.zBottom;
        const int kept = std::min(shown, drawn);
        for (int k = 0; k < kept; ++k)
            arm[k].z = --z;
        for (int k = kept; k < shown; ++k) {
            arm[k].Visible = true;
            arm[k].z = --z;
        }
        s_.zBottom = z;
        for (int k = shown; k < drawn; ++k)
            arm[k].Visible = false;
        drawn = shown;
    };
    drawArm(s_.Shr, s_.first[1], cellsDrawn_[0]);
    drawArm(s_.Shl, s_.first[2], cellsDrawn_[1]);
}

} // namespace pipstone
