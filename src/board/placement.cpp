// Laying a tile on the line of play, for both sides. Which end a tile goes to
// is judged from where its first half lies: the upper part of the board is
// the left end, the lower part the right end. The computer parks its chosen
// tile in the region of its end, so these rules lay it like a dropped tile.
//
// A placement always runs as a step (the player's release, or the turn
// timer's tick on the computer's turn), and steps never nest: a tick that
// falls due inside one is kept for later and a release inside one sends its
// tile back (app/one_thing_at_a_time.h). So no second placement can start
// while one runs, though the computer's flight lets events in.

// own
#include "app/game_window.h"
#include "state/text_number.h"

// std
#include <array>

namespace pipstone {

namespace {

constexpr float kOpeningLeft = 6025;
constexpr float kOpeningRightHalf = 6450;
constexpr float kOpeningTop = 4000;

bool inUpperRegion(float l, float t)
{
    return (1080 < l && l < 6000 && 1000 < t && t <= 4550) || (l >= 6000 && 1000 < t && t < 4000);
}

bool inLowerRegion(float l, float t)
{
    return (l > 6900 && 4000 <= t && t < 7485) || (1080 < l && l <= 6900 && 4450 < t && t < 7485);
}

// One row of an end's table: on a cell with this tag, when the named half of
// the tile equals the open end, that half goes against the chain and the tile
// is laid with this orientation code.
struct EndRule {
    int cellTag;
    bool firstHalfMatches; // mu = end (else md = end)
    int code;
};

// The right end runs rightwards on its first cells, the left end leftwards,
// so the same cell tag asks for opposite codes on the two arms.
constexpr std::array<EndRule, 6> kRightEnd{{
    {kFlatCell, true, 4},
    {kFlatCell, false, 2},
    {kCornerCell, true, 1},
    {kCornerCell, false, 3},
    {kBackCell, true, 2},
    {kBackCell, false, 4},
}};

constexpr std::array<EndRule, 6> kLeftEnd{{
    {kFlatCell, true, 2},
    {kFlatCell, false, 4},
    {kCornerCell, true, 3},
    {kCornerCell, false, 1},
    {kBackCell, true, 4},
    {kBackCell, false, 2},
}};

} // namespace

void GameWindow::domook()
{
    bool placed = false;
    if (s_.lStatus.Caption == kComputerTurn && readInt(s_.first[0]) == 0)
        computerOpening(placed);
    if (s_.lStatus.Caption == kComputerTurn && readInt(s_.first[0]) != 0) {
        if (!computerTurn())
            return; // blocked on an empty stock: the periodic check passes the turn
    }
    const int l = readInt(s_.Text1);
    if (l < 1 || l > kSlots)
        return;
    if (s_.lStatus.Caption == kYourTurn && readInt(s_.first[0]) == 0) {
        placeOpeningTile(l);
        s_.psc = toText(readInt(s_.psc) - readInt(s_.lcard[l].Tag) - readInt(s_.rcard[l].Tag));
        addTo(s_.pno, -1);
        s_.lStatus.Caption = kComputerTurn;
        s_.lblStatusBar.Caption = "You Choose Card  " + s_.mu + " / " + s_.md;
        drawshape();
        placed = true;
    }
    const float left = s_.lcard[l].Left;
    const float top = s_.lcard[l].Top;
    if (inUpperRegion(left, top))
        placed = placeOnArm(Arm::Left) || placed;
    else if (inLowerRegion(left, top))
        placed = placeOnArm(Arm::Right) || placed;

    if (!placed)
        sendBackToDragOrigin(l);
    variableppmove();
    variableccmove();
    arrangehands();
}

// The opening tile lies flat in the middle of the board, first half on the
// left: its first pip is the open left end, its second the open right end.
void GameWindow::placeOpeningTile(int slot)
{
    s_.cu = s_.lcard[slot].Tag;
    s_.cd = s_.rcard[slot].Tag;
    s_.mu = s_.lcard[slot].Tag;
    s_.md = s_.rcard[slot].Tag;
    s_.first[0] = "1";
    for (auto [half, left] : {std::pair{&s_.lcard[slot], kOpeningLeft}, std::pair{&s_.rcard[slot], kOpeningRightHalf}}) {
        moveHalf(*half, left, kOpeningTop);
        half->Width = half->Height = 400;
        s_.bringToFront(*half);
    }
}

bool GameWindow::placeOnArm(Arm arm)
{
    const bool right = arm == Arm::Right;
    std::string &end = right ? s_.cd : s_.cu;
    std::string &counter = right ? s_.first[1] : s_.first[2];
    const int k = readInt(counter);
    if (k < 0 || k >= kCells)
        return false;
    const Shape &cell = right ? s_.Shr[k] : s_.Shl[k];
    const int g = readInt(cell.Tag);
    const auto &table = right ? kRightEnd : kLeftEnd;

    const EndRule *hit = nullptr;
    for (const EndRule &rule : table) {
        if (rule.cellTag == g && (rule.firstHalfMatches ? s_.mu : s_.md) == end) {
            hit = &rule;
            break;
        }
    }
    if (!hit)
        return false;
    end = hit->firstHalfMatches ? s_.md : s_.mu;
    s_.md.clear();
    s_.mu.clear();
    s_.Label1 = toText(hit->code);

    const int l = readInt(s_.Text1);
    const int pips = readInt(s_.lcard[l].Tag) + readInt(s_.rcard[l].Tag);
    if (s_.lStatus.Caption == kComputerTurn) {
        addTo(s_.csc, -pips);
        addTo(s_.cno, -1);
    } else if (s_.lStatus.Caption == kYourTurn) {
        addTo(s_.psc, -pips);
        addTo(s_.pno, -1);
    }
    s_.Label6 = toText(static_cast<long long>(cell.Left) + 25);
    s_.Label7 = toText(static_cast<long long>(cell.Top) + 25);
    counter = toText(k + 1);
    rotateme();
    return true;
}

} // namespace pipstone
