// The player's drag: a press on a tile of the hand takes it up, moves carry
// both halves with the pointer under a frame, and the release either puts it
// back or hands it to the placement.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "state/text_number.h"

// std
#include <algorithm>
#include <cstring>
#include <string_view>

namespace pipstone {

namespace {

constexpr float kFrameMargin = 25;

bool fitsAnOpenEnd(const GameState &s)
{
    return s.cd == s.md || s.cu == s.md || s.cu == s.mu || s.cd == s.mu;
}

constexpr std::string_view kChosenLead = "You Choose Card  ", kChosenBetween = " / ";

// Whether the bar names the tile with these pips: with one-digit pips, by
// two characters and constant compares of the fixed parts.
bool namesTile(std::string_view shown, std::string_view first, std::string_view second)
{
    constexpr std::size_t kLead = kChosenLead.size(), kBetween = kChosenBetween.size();
    if (first.size() != 1 || second.size() != 1)
        return false;
    return shown.size() == kLead + 1 + kBetween + 1 && shown[kLead] == first[0] && shown.back() == second[0]
           && std::memcmp(shown.data(), kChosenLead.data(), kLead) == 0
           && std::memcmp(shown.data() + kLead + 1, kChosenBetween.data(), kBetween) == 0;
}

// A press or release that has to wait for the end of a tick is kept as a
// function, which needs a frame of its own: out of line, so that a press or
// release that goes on at once does not set it up.
[[gnu::noinline]] void keepPressForLater(OneThingAtATime &activity, GameWindow &window, int index, int button,
                                         int shift, float x, float y)
{
    activity.keepPress(button, [=, &window] { window.lcard_MouseDown(index, button, shift, x, y); });
}

[[gnu::noinline]] void keepReleaseForLater(OneThingAtATime &activity, GameWindow &window, int index, int button,
                                           int shift, float x, float y)
{
    activity.defer([=, &window] { window.lcard_MouseUp(index, button, shift, x, y); });
}

// The happening is handed over by reference from a frame of its own, so
// that a release that lays its tile sets up no stack guard for it.
[[gnu::noinline]] void tellRefusal(Platform &platform, const GameState &s, int slot)
{
    platform.happened(tileHappening(Happening::Kind::Refusal, s, slot));
}

} // namespace

void GameWindow::lcard_MouseDown(int index, int button, int shift, float x, float y)
{
    if (button == kRightButton) {
        s_.dragging = 0;
        return;
    }
    // A tile on the board never takes the mouse again. Nothing is taken up
    // while a tick or a step runs (they hand values through the same fields):
    // a press inside a tick is kept for its end while its button stays down,
    // one inside a step is lost.
    if (s_.lcard[index].Top < kPlayerRowLine || activity_.inStep() || heldSlot_ != 0)
        return;
    if (activity_.busy()) {
        keepPressForLater(activity_, *this, index, button, shift, x, y);
        return;
    }
    setTimer(s_.Timer1, TimerId::Timer1, false);
    heldSlot_ = index;
    writeWhole(s_.Text1, index);
    s_.grabX = x;
    s_.grabY = y;
    s_.facemul = 0;
    const Picture &l = s_.lcard[index];
    const Picture &r = s_.rcard[index];
    s_.dragOrigin = {l.Left, l.Top, r.Left, r.Top};
    s_.mu = l.Tag;
    s_.md = r.Tag;
    s_.Shmove.Visible = true;
    s_.Shmove.Left = l.Left - kFrameMargin;
    s_.Shmove.Top = l.Top - kFrameMargin;
    s_.sendToBack(s_.Shmove);
}

void GameWindow::lcard_MouseMove(int index, int button, int, float x, float y)
{
    if (button == kRightButton) {
        s_.dragging = 0;
        return;
    }
    if (button != kLeftButton || index != heldSlot_)
        return;
    s_.dragging = 1;
    Picture &l = s_.lcard[index];
    Picture &r = s_.rcard[index];
    const float dx = x - s_.grabX;
    const float dy = y - s_.grabY;
    const float lLeft = l.Left + dx, lTop = l.Top + dy;
    const float rLeft = r.Left + dx, rTop = r.Top + dy;
    s_.Shmove.Left = lLeft - kFrameMargin;
    s_.Shmove.Top = lTop - kFrameMargin;
    s_.Shmove.Width = 485;
    s_.Shmove.Height = 900;
    s_.bringToFront(s_.Shmove);
    const auto carry = [this](Picture &half, float left, float top) {
        moveHalf(half, left, top);
        half.Width = half.Height = 400;
        s_.bringToFront(half);
    };
    carry(l, lLeft, lTop);
    carry(r, rLeft, rTop);
    s_.aids.dropMark = dropTargetAt(index, lLeft, lTop);
    if (fitsAnOpenEnd(s_)) {
        showChosenTile();
        pump();
    }
}

// The status bar names the tile in hand by the pips of its two halves, at
// every move of a drag. From the second move on it names the tile already,
// which is read off in place; otherwise the text is put together on the stack
// and written.
void GameWindow::showChosenTile()
{
    constexpr std::size_t kPipsRoom = 16;
    const std::string_view first = s_.mu, second = s_.md;
    ShownText &bar = s_.lblStatusBar.Caption;
    if (namesTile(bar, first, second))
        return;
    if (first.size() + second.size() > kPipsRoom) {
        bar.join(kChosenLead, first, kChosenBetween, second);
        return;
    }
    char text[kChosenLead.size() + kChosenBetween.size() + kPipsRoom];
    char *out = std::copy(kChosenLead.begin(), kChosenLead.end(), text);
    for (const char c : first)
        *out++ = c;
    out = std::copy(kChosenBetween.begin(), kChosenBetween.end(), out);
    for (const char c : second)
        *out++ = c;
    bar = std::string_view(text, static_cast<std::size_t>(out - text));
}

void GameWindow::lcard_MouseUp(int index, int button, int shift, float x, float y)
{
    if (button == kRightButton)
        return;
    // Rule 3 of the policy. Inside a tick the release waits for its end, also
    // when its press is still waiting there; inside a step there is no
    // placement and the tile goes back.
    if (activity_.busy() && !activity_.inStep()) {
        keepReleaseForLater(activity_, *this, index, button, shift, x, y);
        return;
    }
    if (index != heldSlot_)
        return;
    if (activity_.inStep()) {
        sendBackToDragOrigin(index);
        cancelHold();
        return;
    }
    // The held tile still counts in the player's hand while deciding whether
    // the hand is over.
    const bool handOver = handIsOver();
    heldSlot_ = 0;
    s_.Shmove.Visible = false;
    s_.aids.dropMark.reset();
    // A right-button press in the middle of a drag clears `dragging`; the tile
    // is then not handed on, but it still goes back rather than lie loose.
    const bool overBoard = s_.dragging != 0 && s_.lcard[index].Top <= kHandLine;
    if (!overBoard || !isYourTurn(s_.lStatus.Caption) || handOver)
        sendBackToDragOrigin(index);
    else
        placePlayerDrop(index);
    // Let go over the board and back in the row: the drop was refused.
    if (overBoard && s_.lcard[index].Top >= kPlayerRowLine) {
        s_.aids.noteRefusal(index);
        tellRefusal(platform_, s_, index);
    }
    setTimer(s_.Timer1, TimerId::Timer1, true);
}

void GameWindow::placePlayerDrop(int slot)
{
    auto step = activity_.step(OneThingAtATime::Work::Placement);
    s_.facemul = 1;
    s_.lStatus.Top = 1100;
    writeWhole(s_.Text1, slot);
    domook();
    showcards();
}

void GameWindow::sendBackToDragOrigin(int slot)
{
    Picture &l = s_.lcard[slot];
    Picture &r = s_.rcard[slot];
    moveHalf(l, s_.dragOrigin[0], s_.dragOrigin[1]);
    s_.bringToFront(l);
    moveHalf(r, s_.dragOrigin[2], s_.dragOrigin[3]);
    s_.bringToFront(r);
}

// Lets go of a tile the player holds without laying it: its move or release
// events no longer reach it, and the turn timer runs again.
void GameWindow::cancelHold()
{
    if (heldSlot_ == 0)
        return;
    heldSlot_ = 0;
    s_.Shmove.Visible = false;
    s_.aids.dropMark.reset();
    if (buttonsHeld_ != 0)
        captured_ = 0;
    setTimer(s_.Timer1, TimerId::Timer1, true);
}

} // namespace pipstone
