// Get Card: the next tile of the stock goes to the hand of the side whose turn
// it is, with the move sound and the tile flying from the stock to the end of
// that side's row. The stock is taken in slot order, so the k-th draw of a
// hand takes slot k.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "app/timing.h"
#include "state/text_number.h"

namespace pipstone {

namespace {

// The fields of the side that draws: its tile count, its pips, its hand list
// with the number of drawn entries, its draw counter and its row.
struct DrawingSide {
    HiddenNumber &tiles;
    HiddenNumber &pips;
    int &extra;
    Hand &hand;
    HiddenNumber &draws;
    float rowTop;
};

const std::string kMoveSound = "pic/Move.wav"; // made once for every draw

} // namespace

void GameWindow::getCardPressed()
{
    // Rule 3 of the policy: nothing during a step, after a tick.
    if (activity_.inStep())
        return;
    if (activity_.busy()) {
        activity_.defer([this] { getCardPressed(); });
        return;
    }
    // The button follows the turn only at the next tick, so the press itself
    // checks that the player may draw now.
    if (!s_.PushButton3.Enabled || !isYourTurn(s_.lStatus.Caption) || handIsOver() || heldSlot_ != 0
        || readInt(s_.pull) >= kStockSize)
        return;
    auto step = activity_.step(OneThingAtATime::Work::Draw);
    PushButton3_Click();
}

void GameWindow::PushButton3_Click()
{
    if (readInt(s_.pull) >= kStockSize)
        return; // there is no fifteenth stock tile
    setTimer(s_.Timer2, TimerId::Timer2, false);
    s_.creveal = 0;
    countAndArrange();
    const int slot = readInt(s_.pull) + 1;
    writeWhole(s_.pull, slot);
    platform_.playSoundAsync(kMoveSound);
    pump();
    showSlot(slot);
    Picture &first = s_.lcard[slot];
    Picture &second = s_.rcard[slot];
    s_.Cover.Visible = true;
    s_.bringToFront(s_.Cover);
    s_.Cover.Left = second.Left + 220;
    s_.Cover.Top = first.Top - kHalfPitch;

    // The status names at most one side; nothing runs between here and the
    // happening that could change it.
    const bool computers = isComputerTurn(s_.lStatus.Caption);
    const bool players = !computers && isYourTurn(s_.lStatus.Caption);
    int heldBefore = 0;
    float rowTop = 0;
    const StampReading beforeLaying = readStamps();
    if (computers || players) {
        const DrawingSide side = computers
                                     ? DrawingSide{s_.cno, s_.csc, s_.cextra, s_.chand, s_.max, kComputerRowTop}
                                     : DrawingSide{s_.pno, s_.psc, s_.pextra, s_.phand, s_.pmax, kPlayerRowTop};
        heldBefore = readInt(side.tiles);
        writeWhole(side.tiles, heldBefore + 1);
        writeWhole(side.pips, readInt(side.pips) + readInt(first.Tag) + readInt(second.Tag));
        ++side.extra;
        side.hand[7 + side.extra] = slot;
        writeWhole(side.draws, readInt(side.draws) + 1);
        rowTop = side.rowTop;
    }
    // The computer's tile stays its secret.
    platform_.happened(tileHappening(Happening::Kind::Draw, s_, players ? slot : 0));
    const float rowEnd = kRowStart + kRowPitch * static_cast<float>(heldBefore + 1);
    first.Visible = second.Visible = false;
    moveHalf(first, rowEnd, rowTop);
    moveHalf(second, rowEnd, rowTop + kHalfPitch);
    const DrawnTile drawn{players, slot, heldBefore, beforeLaying, readStamps()};

    fly(s_.Cover.Left, {roundTwips(s_.Cover.Left), rowEnd, timing::kFlightStep, timing::kDrawFlightWait, false});
    pump();
    if (isComputerTurn(s_.lStatus.Caption)) {
        fly(s_.Cover.Top, {roundTwips(s_.Cover.Top), 60, -timing::kFlightStep, timing::kDrawFlightWait, true});
        s_.Cover.Visible = false;
    }
    if (isYourTurn(s_.lStatus.Caption)) {
        fly(s_.Cover.Top,
            {roundTwips(s_.Cover.Top), kPlayerRowTop, timing::kFlightStep, timing::kDrawFlightWait, true});
        s_.Cover.Visible = false;
    }
    pump();
    first.Visible = second.Visible = true;
    showSlot(slot);
    if (computers || players)
        arrangeAfterDraw(drawn);
    else
        countAndArrange();
    setTimer(s_.Timer2, TimerId::Timer2, true);
}

} // namespace pipstone
