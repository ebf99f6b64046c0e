// The periodic check between moves: it shows the match totals, lets only the
// player's row take the mouse, ends the hand when it is over, and passes the
// turn of a side that cannot move on an empty stock.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "state/text_number.h"

// std
#include <cstring>

namespace pipstone {

namespace {

const std::string kPassTitle = "Brisk Domino Max Score = 101";

// Shows a side's match total in its label, as formatScore writes it. The
// check does this at every tick, and from the second hand on the total is
// the label's own three digits of the hand before: such a label is left as
// it is, without reading the total or building its text.
void showTotal(ShownText &label, const std::string &total)
{
    const std::string &shown = label.text();
    if (shown.size() == 3 && total.size() == 3 && std::memcmp(shown.data(), total.data(), 3) == 0
        && detail::plainDigits(shown) >= 0)
        return;
    label = formatScore(readInt(total));
}

} // namespace

[[gnu::hot]] void GameWindow::Timer2_Timer()
{
    using Work = OneThingAtATime::Work;
    auto tick = activity_.tick(Work::Timer2Tick);
    showTotal(s_.compscore.Caption, s_.ccsc);
    showTotal(s_.playerscore.Caption, s_.ppsc);
    variableppmove();
    variableccmove();
    // Only the halves below the line take the mouse. That follows from the
    // Tops and the flags alone: while neither stamp has moved since the flags
    // were last set, they are still as set. Something moves between most
    // ticks, so the loop is written out in full.
    if (mouseTakersSetAt_[0] != writeStamp || mouseTakersSetAt_[1] != shownStamp) {
#pragma GCC unroll 28
        for (int i = 1; i <= kSlots; ++i)
            s_.lcard[i].Enabled = s_.lcard[i].Top > kPlayerRowLine;
        mouseTakersSetAt_ = {writeStamp, shownStamp};
    }
    s_.faceset = s_.lcard[kSlots].Enabled ? 0 : 9; // as the last slot lies
    // While the player holds a tile it has left the row and is not counted:
    // the check waits for the release before it ends the hand or passes.
    if (heldSlot_ != 0)
        return;

    const bool stockEmpty = readInt(s_.pull) == kStockSize;
    if (readInt(s_.cno) == 0 || readInt(s_.pno) == 0)
        s_.endflag = 1;
    if (stockEmpty && readInt(s_.AvPmove) == 0 && readInt(s_.AvCmove) == 0)
        s_.endflag = 1;
    if (readInt(s_.compscore.Caption) >= kMatchTarget || readInt(s_.playerscore.Caption) >= kMatchTarget)
        s_.endflag = 1;
    if (s_.endflag == 1) {
        setTimer(s_.Timer2, TimerId::Timer2, false);
        auto step = activity_.step(Work::EndOfHand);
        checkendgame();
        if (closed_) // the match is over
            return;
    }

    if (readInt(s_.AvPmove) == 0 && isYourTurn(s_.lStatus.Caption) && readInt(s_.pull) == kStockSize) {
        auto step = activity_.step(Work::Pass);
        platform_.happened(sideHappening(Happening::Kind::Pass, s_));
        ask("Player Has No Cards To Move\r\n Player Will Give The Turn To Computer\r\n Computer Can Play Now ",
            kPassTitle);
        getturn();
        changetocomputer();
    }
    if (isComputerTurn(s_.lStatus.Caption) && readInt(s_.pull) == kStockSize && readInt(s_.AvCmove) == 0) {
        auto step = activity_.step(Work::Pass);
        platform_.happened(sideHappening(Happening::Kind::Pass, s_));
        ask("Computer Has No Cards To Move\r\n Computer Will Give The Turn To Player\r\n Player Can Play Now ",
            kPassTitle);
        getturn();
        changetoplayer();
    }
    showcards();
}

} // namespace pipstone
