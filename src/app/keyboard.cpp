// The keyboard. Left, Right, Home and End choose a tile of the player's row;
// Up plays it on the left end and Down on the right end by exactly the path
// of the mouse: a press on its first half, a move into the region of that
// end, a release. So every rule of the drag and the placement holds for a key
// as it holds for the mouse. G and C press Get Card and Cheat Comp.; only the
// chords Ctrl+N and Ctrl+Q deal a new hand or end the program.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "tiles/player_row.h"

// std
#include <algorithm>

namespace pipstone {

namespace {

// The point of the first half the key presses, from its top-left corner.
constexpr float kPressPoint = 200;

} // namespace

void GameWindow::onKey(Key key)
{
    switch (key) {
    case Key::CtrlN:
        onButtonClick(ButtonId::NewGame);
        return;
    case Key::CtrlQ:
        onClose(); // as the close box
        return;
    case Key::G:
        // As a click: a disabled button takes none, even one kept for later.
        if (s_.PushButton3.Enabled)
            onButtonClick(ButtonId::GetCard);
        return;
    case Key::C:
        onButtonClick(ButtonId::CheatComp);
        return;
    case Key::F1:
        if (!closed_)
            platform_.openHelpPage();
        return;
    default:
        dispatch([this, key] { keyOnRow(key); });
        return;
    }
}

void GameWindow::keyOnRow(Key key)
{
    const std::vector<int> row = playerRow(s_);
    if (row.empty())
        return;
    int &chosen = s_.aids.chosen;
    const int last = static_cast<int>(row.size()) - 1;
    // The row shrinks and grows under the frame; it stays on the nearest tile.
    // The first key only shows the frame, on the tile it names.
    const bool firstKey = chosen < 0;
    const int now = firstKey ? 0 : std::min(chosen, last);
    switch (key) {
    case Key::Left:
        chosen = firstKey ? 0 : std::max(now - 1, 0);
        return;
    case Key::Right:
        chosen = firstKey ? 0 : std::min(now + 1, last);
        return;
    case Key::Home:
        chosen = 0;
        return;
    case Key::End:
        chosen = last;
        return;
    case Key::Up:
    case Key::Down:
        break;
    default:
        return;
    }
    // A key play is a press and a release, and keeps their rules: nothing
    // during a step; during a tick it waits for the tick to end.
    if (activity_.inStep())
        return;
    if (activity_.busy()) {
        activity_.defer([this, key] { keyOnRow(key); });
        return;
    }
    chosen = now;
    playByKey(row[now], key == Key::Up ? Arm::Left : Arm::Right);
}

void GameWindow::playByKey(int slot, Arm arm)
{
    // A tile held with the mouse, or a mouse button down, keeps the mouse's.
    if (heldSlot_ != 0 || buttonsHeld_ != 0)
        return;
    auto play = activity_.mark(OneThingAtATime::Work::KeyPlay);
    lcard_MouseDown(slot, kLeftButton, 0, kPressPoint, kPressPoint);
    if (heldSlot_ != slot)
        return;
    const Picture &first = s_.lcard[slot];
    const float dropTop = arm == Arm::Left ? kParkTopLeftEnd : kParkTopRightEnd;
    lcard_MouseMove(slot, kLeftButton, 0, kPressPoint + kParkLeft - first.Left, kPressPoint + dropTop - first.Top);
    // The move lets events run; the hold may have ended meanwhile.
    if (heldSlot_ == slot)
        lcard_MouseUp(slot, kLeftButton, 0, kPressPoint, kPressPoint);
}

} // namespace pipstone
