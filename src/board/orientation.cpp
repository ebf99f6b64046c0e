// Turning a matched tile into its cell and closing the move.
//
// The orientation code names the side of the tile on which its first half
// lies, clockwise: 1 on top, 2 on the right, 3 below, 4 on the left. The
// halves stand 420 apart, which leaves a thin seam between the two squares.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "state/text_number.h"

namespace pipstone {

namespace {

struct HalfOffsets {
    float firstX, firstY, secondX, secondY;
};

constexpr HalfOffsets offsetsFor(int code)
{
    switch (code) {
    case 1:
        return {0, 0, 0, kHalfPitch};
    case 2:
        return {kHalfPitch, 0, 0, 0};
    case 3:
        return {0, kHalfPitch, 0, 0};
    default:
        return {0, 0, kHalfPitch, 0};
    }
}

} // namespace

void GameWindow::rotateme()
{
    turnLaidTile(readInt(s_.Text1), readInt(s_.Label1), static_cast<float>(readNumber(s_.Label6)),
                 static_cast<float>(readNumber(s_.Label7)), true);
}

// The tile in slot `t`, the slot Text1 names, turns to face `code` with its
// first half at (x, y) and hands the turn over. A caller that counts both
// sides itself right after, with no event let in between, asks for no count
// here.
void GameWindow::turnLaidTile(int t, int code, float x, float y, bool recount)
{
    if (t < 1 || t > kSlots || code < 1 || code > 4)
        return; // nothing to turn: the tile stays where it is

    s_.facemul = 1;
    showTile(t);

    // The tile turns a quarter at a time until it faces the asked side, so
    // it ends facing that side whichever way it faced before.
    s_.cardrot[t] = code;

    const HalfOffsets o = offsetsFor(code);
    moveHalf(s_.lcard[t], x + o.firstX, y + o.firstY);
    moveHalf(s_.rcard[t], x + o.secondX, y + o.secondY);
    // The faces were set where the tile was parked; show them as it now lies,
    // or a quick player's next move would leave them turned the wrong way.
    // An event let in as the tile showed may have named another slot in
    // Text1, and the slot it names is the one shown.
    showcards();

    getturn();
    // The counts are made here when asked for, and whenever an event could
    // run before the caller's own count and see them.
    if (recount || !countsStraightThrough()) {
        variableppmove();
        variableccmove();
    }
    drawshape();
}

} // namespace pipstone
