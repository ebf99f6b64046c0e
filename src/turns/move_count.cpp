// Counting each side's playable halves against the two open ends, and
// closing the gaps in the hand rows.
//
// A count lets pending events run once per hand entry. It never runs inside
// another count of the same side: counts run only inside a tick or a step,
// and those never nest (see app/one_thing_at_a_time.h). The nesting marks
// below let the tests prove it.

// own
#include "app/game_window.h"
#include "state/text_number.h"

namespace pipstone {

namespace {

using Work = OneThingAtATime::Work;

// The counts' own tests of where a tile is; they differ from the display's.
constexpr float kPlayerRowTop = 7650;
constexpr float kComputerRowBottom = 1000;

constexpr float kRowStart = 1350;
constexpr float kRowPitch = 480;

int playableHalves(const GameState &s, int slot)
{
    const double left = readNumber(s.cu);
    const double right = readNumber(s.cd);
    int halves = 0;
    for (const Picture *half : {&s.lcard[slot], &s.rcard[slot]}) {
        const double pips = readNumber(half->Tag);
        if (pips == left || pips == right)
            ++halves;
    }
    return halves;
}

} // namespace

void GameWindow::variableppmove()
{
    auto counting = activity_.mark(Work::PlayerCount);
    s_.AvPmove = "0";
    const int n = 7 + s_.pextra;
    for (int i = 1; i <= n && i <= kSlots; ++i) {
        const int t = s_.phand[i];
        if (t > 0 && s_.lcard[t].Top >= kPlayerRowTop)
            addTo(s_.AvPmove, playableHalves(s_, t));
        pump();
    }
}

void GameWindow::variableccmove()
{
    auto counting = activity_.mark(Work::ComputerCount);
    s_.AvCmove = "0";
    s_.List1.clear();
    const int n = 7 + s_.cextra;
    for (int i = 1; i <= n && i <= kSlots; ++i) {
        const int t = s_.chand[i];
        if (t > 0 && s_.lcard[t].Top < kComputerRowBottom) {
            addTo(s_.AvCmove, playableHalves(s_, t));
            s_.List1.push_back(twoDigits(t));
        }
        pump();
    }
}

void GameWindow::arrangehands()
{
    const auto closeUp = [this](const std::array<int, kSlots + 1> &hand, bool inRow(float), float top) {
        int col = 0;
        for (int i = 1; i <= kSlots; ++i) {
            const int t = hand[i];
            if (t == 0 || !inRow(s_.lcard[t].Top))
                continue;
            ++col;
            moveHalf(s_.lcard[t], kRowStart + kRowPitch * col, top);
            moveHalf(s_.rcard[t], kRowStart + kRowPitch * col, top + 420);
        }
    };
    closeUp(s_.phand, [](float top) { return top >= kPlayerRowTop; }, 7675);
    closeUp(s_.chand, [](float top) { return top < kComputerRowBottom; }, 30);
    variableppmove();
    variableccmove();
}

} // namespace pipstone
