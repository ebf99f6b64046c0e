// The player's drag: a press on a tile of the hand takes it up, moves carry
// both halves with the pointer under a frame, and the release either puts it
// back or hands it to the placement.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "state/text_number.h"

// std
#include <algorithm>
#include <string_view>

namespace pipstone {

namespace {

constexpr float kFrameMargin = 25;

bool fitsAnOpenEnd(const GameState &s)
{
    return s.cd == s.md || s.cu == s.md || s.cu == s.mu || s.cd == s.mu;
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
        activity_.keepPress(button, [=, this] { lcard_MouseDown(index, button, shift, x, y); });
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
// every move of a drag. The text is put together on the stack; the bar keeps
// it only when it reads otherwise.
void GameWindow::showChosenTile()
{
    constexpr std::string_view kLead = "You Choose Card  ", kBetween = " / ";
    constexpr std::size_t kPipsRoom = 16;
    const std::string_view first = s_.mu, second = s_.md;
    if (first.size() + second.size() > kPipsRoom) {
        s_.lblStatusBar.Caption.join(kLead, first, kBetween, second);
        return;
    }
    char text[kLead.size() + kBetween.size() + kPipsRoom];
    char *out = std::copy(kLead.begin(), kLead.end(), text);
    for (const char c : first)
        *out++ = c;
    out = std::copy(kBetween.begin(), kBetween.end(), out);
    for (const char c : second)
        *out++ = c;
    s_.lblStatusBar.Caption = std::string_view(text, static_cast<std::size_t>(out - text));
}

void GameWindow::lcard_MouseUp(int index, int button, int shift, float x, float y)
{
    if (button == kRightButton)
        return;
    // Rule 3 of the policy. Inside a tick the release waits for its end, also
    // when its press is still waiting there; inside a step there is no
    // placement and the tile goes back.
    if (activity_.busy() && !activity_.inStep()) {
        activity_.defer([=, this] { lcard_MouseUp(index, button, shift, x, y); });
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
        platform_.happened(tileHappening(Happening::Kind::Refusal, s_, index));
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
