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
#include "board/end_rules.h"
#include "state/text_number.h"

namespace pipstone {

namespace {

constexpr float kOpeningLeft = 6025;
constexpr float kOpeningRightHalf = 6450;
constexpr float kOpeningTop = 4000;

} // namespace

void GameWindow::domook()
{
    bool placed = false;
    if (isComputerTurn(s_.lStatus.Caption) && readInt(s_.first[0]) == 0)
        computerOpening(placed);
    if (isComputerTurn(s_.lStatus.Caption) && readInt(s_.first[0]) != 0) {
        if (!computerTurn())
            return; // blocked on an empty stock: the periodic check passes the turn
    }
    const int l = readInt(s_.Text1);
    if (l < 1 || l > kSlots)
        return;
    if (isYourTurn(s_.lStatus.Caption) && readInt(s_.first[0]) == 0) {
        placeOpeningTile(l);
        writeWhole(s_.psc, readInt(s_.psc) - readInt(s_.lcard[l].Tag) - readInt(s_.rcard[l].Tag));
        addTo(s_.pno, -1);
        platform_.happened(tileHappening(Happening::Kind::Opening, s_, l));
        s_.lStatus.Caption = kComputerTurn;
        platform_.happened(sideHappening(Happening::Kind::Turn, s_));
        showChosenTile();
        drawshape();
        placed = true;
    }
    if (const auto arm = endForDrop(s_.lcard[l].Left, s_.lcard[l].Top))
        placed = placeOnArm(*arm) || placed;

    if (!placed)
        sendBackToDragOrigin(l);
    countAndArrange();
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
    NumberText &end = right ? s_.cd : s_.cu;
    std::string &counter = right ? s_.first[1] : s_.first[2];
    const int k = readInt(counter);
    if (k < 0 || k >= kCells)
        return false;
    const Shape &cell = right ? s_.Shr[k] : s_.Shl[k];
    const EndRule *hit = endRuleFor(arm, readInt(cell.Tag), s_.mu, s_.md, end);
    if (!hit)
        return false;
    // The open end takes the pips of the half left facing out, nearly always
    // one digit, which the end reads as itself.
    const std::string &outer = hit->firstHalfMatches ? s_.md : s_.mu;
    if (outer.size() == 1 && outer[0] >= '0' && outer[0] <= '9')
        end.setWhole(outer[0] - '0');
    else
        end = outer;
    s_.md.clear();
    s_.mu.clear();
    writeWhole(s_.Label1, hit->code);

    const int l = readInt(s_.Text1);
    const int pips = readInt(s_.lcard[l].Tag) + readInt(s_.rcard[l].Tag);
    // The side that laid it holds its pips and one tile fewer.
    const auto layFromHand = [pips](std::string &sum, std::string &tiles) {
        writeWhole(sum, readInt(sum) - pips);
        writeWhole(tiles, readInt(tiles) - 1);
    };
    if (isComputerTurn(s_.lStatus.Caption))
        layFromHand(s_.csc, s_.cno);
    else if (isYourTurn(s_.lStatus.Caption))
        layFromHand(s_.psc, s_.pno);
    const long long x = static_cast<long long>(cell.Left) + 25;
    const long long y = static_cast<long long>(cell.Top) + 25;
    writeWhole(s_.Label6, x);
    writeWhole(s_.Label7, y);
    writeWhole(counter, k + 1);
    Happening play = tileHappening(Happening::Kind::Play, s_, l);
    play.end = right ? Happening::End::Right : Happening::End::Left;
    platform_.happened(play);
    // The tile turns into the place just noted, as rotateme would read it
    // back; domook counts both sides once it lies.
    turnLaidTile(l, hit->code, static_cast<float>(x), static_cast<float>(y), false);
    return true;
}

} // namespace pipstone
