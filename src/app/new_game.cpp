// New Game abandons the hand in play and deals the next one; the match totals
// carry over and the other side opens. Every finished hand also leads into
// the next one through here.

// own
#include "app/game_window.h"
#include "state/text_number.h"

namespace pipstone {

void GameWindow::PushButton1_Click()
{
    // A tile held in a drag or flying from the stock belongs to the old hand.
    cancelHold();
    setTimer(s_.Timer1, TimerId::Timer1, true);
    s_.Cover.Visible = false;

    // The tiles of the old hand are not cleared here: the deal writes every
    // field of every half afresh.
    ++s_.Shape3.repaints;
    s_.lblStatusBar.Caption = "";
    s_.first.fill(HiddenNumber{"0"});
    drawshape();
    s_.cd = "0";
    s_.cu = "0";
    s_.csc = "00";
    s_.psc = "00";
    s_.pull = "0";
    s_.ccsc = s_.compscore.Caption;
    s_.ppsc = s_.playerscore.Caption;
    s_.mturn = readInt(s_.mturn) == 1 ? "2" : "1";
    dealcards();
}

} // namespace pipstone
