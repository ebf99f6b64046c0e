// Whose turn it is lives in the caption of the status label, which moves
// between the two hand rows; the turn timer keeps "Get Card" in step with
// the player's moves and starts the computer's.

// own
#include "app/game_window.h"
#include "state/text_number.h"

namespace pipstone {

namespace {

constexpr float kBelowComputerRow = 1100;
constexpr float kAbovePlayerRow = 7100;

} // namespace

void GameWindow::getturn()
{
    if (isYourTurn(s_.lStatus.Caption)) {
        s_.lStatus.Top = kBelowComputerRow;
        s_.lStatus.Caption = kComputerTurn;
    } else {
        s_.lStatus.Top = kAbovePlayerRow;
        s_.lStatus.Caption = kYourTurn;
    }
    platform_.happened(sideHappening(Happening::Kind::Turn, s_));
    auto turning = activity_.mark(OneThingAtATime::Work::Getturn);
    pump();
}

void GameWindow::changetocomputer()
{
    const bool turning = !isComputerTurn(s_.lStatus.Caption);
    s_.lStatus.Top = kBelowComputerRow;
    s_.lStatus.Caption = kComputerTurn;
    if (turning)
        platform_.happened(sideHappening(Happening::Kind::Turn, s_));
}

void GameWindow::changetoplayer()
{
    const bool turning = !isYourTurn(s_.lStatus.Caption);
    s_.lStatus.Top = kBelowComputerRow;
    s_.lStatus.Caption = kYourTurn;
    if (turning)
        platform_.happened(sideHappening(Happening::Kind::Turn, s_));
}

[[gnu::hot]] void GameWindow::Timer1_Timer()
{
    auto tick = activity_.tick(OneThingAtATime::Work::Timer1Tick);
    variableppmove();
    variableccmove();
    if (isYourTurn(s_.lStatus.Caption)) {
        s_.PushButton3.Enabled = readInt(s_.AvPmove) == 0;
    } else if (isComputerTurn(s_.lStatus.Caption)) {
        s_.max = "0";
        s_.PushButton3.Enabled = false;
        // Once a side has played out, nobody moves again in this hand.
        if (handIsOver())
            return;
        auto step = activity_.step(OneThingAtATime::Work::Placement);
        domook();
    }
}

} // namespace pipstone
