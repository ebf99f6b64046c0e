// Mouse events on the painted part of the window go to the topmost enabled
// control under the pointer, as a desktop toolkit routes them. The control
// that took a press keeps the mouse until the last button is released, even
// if it is disabled meanwhile, so a tile in a drag is never left stranded.

// own
#include "app/game_window.h"

namespace pipstone {

namespace {

bool contains(float left, float top, float width, float height, float x, float y)
{
    return x >= left && x < left + width && y >= top && y < top + height;
}

// The slot whose first half is the topmost enabled control under (x, y);
// 0 when it is the background, a second half or the flying tile.
int lcardAt(const GameState &s, float x, float y)
{
    long bestZ = 0;
    int best = -1;
    auto consider = [&](const Picture &half, int slot) {
        // Asked first: most halves never take the mouse (the stock, the
        // computer's row, the first halves on the board), and the position
        // rules out nearly every other one.
        if (!half.Enabled || !contains(half.Left, half.Top, half.Width, half.Height, x, y))
            return;
        if (!half.exists || !half.Visible)
            return;
        if (best < 0 || half.z > bestZ) {
            bestZ = half.z;
            best = slot;
        }
    };
    // Nearly every half is passed over on its first test, so the walk itself
    // would cost as much as the tests: it takes seven slots a round.
#pragma GCC unroll 7
    for (int i = 1; i <= kSlots; ++i) {
        consider(s.lcard[i], i);
        consider(s.rcard[i], 0);
    }
    if (s.Cover.Visible && contains(s.Cover.Left, s.Cover.Top, s.Cover.Width, s.Cover.Height, x, y)
        && (best < 0 || s.Cover.z > bestZ))
        best = 0;
    return best < 0 ? 0 : best;
}

} // namespace

void GameWindow::onMouseDown(float x, float y, int button, int shift)
{
    dispatch([=, this] {
        if (buttonsHeld_ == 0)
            captured_ = lcardAt(s_, x, y);
        buttonsHeld_ |= button;
        if (captured_ > 0) {
            const Picture &half = s_.lcard[captured_];
            lcard_MouseDown(captured_, button, shift, x - half.Left, y - half.Top);
        }
    });
}

void GameWindow::onMouseMove(float x, float y, int buttons, int shift)
{
    dispatch([=, this] {
        const int target = buttonsHeld_ != 0 ? captured_ : lcardAt(s_, x, y);
        if (target > 0) {
            const Picture &half = s_.lcard[target];
            lcard_MouseMove(target, buttons, shift, x - half.Left, y - half.Top);
        }
    });
}

void GameWindow::onMouseUp(float x, float y, int button, int shift)
{
    dispatch([=, this] {
        if (buttonsHeld_ == 0)
            return; // a release without a press on the window
        activity_.released(button);
        const int target = captured_;
        buttonsHeld_ &= ~button;
        if (buttonsHeld_ == 0)
            captured_ = -1;
        if (target > 0) {
            const Picture &half = s_.lcard[target];
            lcard_MouseUp(target, button, shift, x - half.Left, y - half.Top);
        }
    });
}

} // namespace pipstone
