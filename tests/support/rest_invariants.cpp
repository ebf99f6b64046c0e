// What holds between the game's activities: every field that a tick or a
// step writes on its way has been brought back into agreement with the
// tiles by the time it ends.

// own
#include "support/invariant_report.h"
#include "support/invariants.h"
#include "state/places.h"
#include "state/text_number.h"
#include "tiles/pictures.h"

// std
#include <algorithm>
#include <array>

namespace pipstone::test {

namespace {

struct Row {
    const char *name;
    Place place;
    const Hand &hand;
    int extra;
    float firstTop[2]; // as dealt, and as the counts lay the row out
    int dealtSlots;    // the first slot dealt into this row
};

// A row stands either as dealt (485 apart) or closed up by the counts (480
// apart), its tiles in the order of the hand list. A held tile keeps its
// column but may be anywhere.
void checkRow(const GameState &s, int held, const Row &row, Report &r)
{
    std::array<bool, kSlots + 1> listed{};
    for (int i = 1; i <= kSlots; ++i) {
        const int t = row.hand[i];
        if (i > 7 + row.extra) {
            if (t != 0)
                r.fail(row.name, " hand entry ", i, " past the hand holds ", t);
            continue;
        }
        if (t < 1 || t > kSlots || listed[t]) {
            r.fail(row.name, " hand entry ", i, " is ", t);
            continue;
        }
        listed[t] = true;
        const bool dealt = t >= row.dealtSlots && t < row.dealtSlots + 7;
        if (!dealt && t > readInt(s.pull))
            r.fail(row.name, " hand entry ", i, " names slot ", t, ", neither dealt to it nor drawn");
        const Place place = t == held ? Place::PlayerRow : placeOf(s, t);
        if (place != row.place && place != Place::Board)
            r.fail(row.name, " hand lists slot ", t, ", which lies elsewhere");
    }
    for (int t = 1; t <= kSlots; ++t)
        if ((t == held ? Place::PlayerRow : placeOf(s, t)) == row.place && !listed[t])
            r.fail("slot ", t, " lies in the ", row.name, " row but is not in its hand list");

    for (int layout = 0; layout < 2; ++layout) {
        const float pitch = layout == 0 ? 485 : kRowPitch;
        bool fits = true;
        int column = 0;
        for (int i = 1; i <= 7 + row.extra; ++i) {
            const int t = row.hand[i];
            if (t < 1 || t > kSlots || (t != held && placeOf(s, t) != row.place))
                continue;
            ++column;
            const float left = kRowStart + pitch * static_cast<float>(column);
            const float top = row.firstTop[layout];
            fits = fits
                   && (t == held
                       || (s.lcard[t].Left == left && s.rcard[t].Left == left && s.lcard[t].Top == top
                           && s.rcard[t].Top == top + kHalfPitch));
        }
        if (fits)
            return;
    }
    r.fail("the ", row.name, " row does not stand at its places");
}

void checkLists(const GameState &s, int held, Report &r)
{
    checkRow(s, held, {"player's", Place::PlayerRow, s.phand, s.pextra, {kPlayerRowTop, kPlayerRowTop}, 22}, r);
    checkRow(s, held, {"computer's", Place::ComputerRow, s.chand, s.cextra, {60, kComputerRowTop}, 15}, r);
    if (s.pextra + s.cextra != readInt(s.pull))
        r.fail("pextra ", s.pextra, " and cextra ", s.cextra, " but pull ", s.pull);
    std::vector<std::string> list;
    for (int i = 1; i <= 7 + s.cextra && i <= kSlots; ++i)
        if (s.chand[i] > 0 && placeOf(s, s.chand[i]) == Place::ComputerRow)
            list.push_back(twoDigits(s.chand[i]));
    if (s.List1 != list)
        r.fail("List1 does not name the computer's row");
}

void checkStock(const GameState &s, Report &r)
{
    for (int i = readInt(s.pull) + 1; i <= kStockSize; ++i) {
        const float top = 650 + 435.0f * static_cast<float>(i);
        if (s.lcard[i].Left != 540 || s.lcard[i].Top != top || s.rcard[i].Left != 120 || s.rcard[i].Top != top)
            r.fail("stock slot ", i, " is not at its place");
    }
}

int playableHalves(const GameState &s, int slot)
{
    const double left = readNumber(s.cu), right = readNumber(s.cd);
    int halves = 0;
    for (const Picture *half : {&s.lcard[slot], &s.rcard[slot]})
        halves += readNumber(half->Tag) == left || readNumber(half->Tag) == right;
    return halves;
}

int recount(const GameState &s, const Hand &hand, int extra, Place place)
{
    int halves = 0;
    for (int i = 1; i <= 7 + extra && i <= kSlots; ++i)
        if (hand[i] > 0 && placeOf(s, hand[i]) == place)
            halves += playableHalves(s, hand[i]);
    return halves;
}

// A fresh deal is counted at the first tick; after that every change of the
// board or a hand is counted before its step ends. A tile the player held
// out of the row through a tick and then let go back is counted again at the
// next tick, so the player's count may still leave that one tile out.
void checkMoveCounts(const GameState &s, int held, Report &r)
{
    if (held != 0 || (s.first[0] == "0" && s.pull == "0"))
        return;
    const int player = recount(s, s.phand, s.pextra, Place::PlayerRow);
    bool playerSound = readInt(s.AvPmove) == player;
    for (int t = 1; t <= kSlots && !playerSound; ++t)
        playerSound = placeOf(s, t) == Place::PlayerRow && readInt(s.AvPmove) == player - playableHalves(s, t);
    if (!playerSound)
        r.fail("AvPmove ", s.AvPmove, " but a recount gives ", player);
    const int computer = recount(s, s.chand, s.cextra, Place::ComputerRow);
    if (readInt(s.AvCmove) != computer)
        r.fail("AvCmove ", s.AvCmove, " but a recount gives ", computer);
}

// Backs in the stock and, unless the cheat view shows it, in the computer's
// row, neither of which takes the mouse; faces upright in the player's row,
// which takes the mouse from the periodic check on: tiles drawn since the
// last check, and the one tile it saw held out of the row, still wait for
// it; on the board, faces turned as the tile lies.
void checkTileFaces(const GameState &s, int held, Report &r)
{
    int waiting = 0;
    for (int t = 1; t <= kSlots; ++t) {
        const Picture &a = s.lcard[t], &b = s.rcard[t];
        if (!a.Visible || !b.Visible)
            r.fail("slot ", t, " is hidden");
        if (t == held)
            continue;
        const int up[2] = {uprightFace(readInt(a.Tag)), uprightFace(readInt(b.Tag))};
        const int turned[2] = {turnedFace(readInt(a.Tag)), turnedFace(readInt(b.Tag))};
        const bool back = a.picture == kBackPicture && b.picture == kBackPicture;
        const bool upright = a.picture == up[0] && b.picture == up[1];
        switch (placeOf(s, t)) {
        case Place::Stock:
        case Place::ComputerRow:
            if (!(back || (s.Showcomppic == 1 && upright && placeOf(s, t) == Place::ComputerRow)))
                r.fail("slot ", t, " shows ", a.picture, "/", b.picture, " where its back belongs");
            if (a.Enabled || b.Enabled)
                r.fail("slot ", t, " takes the mouse in the stock or the computer's row");
            break;
        case Place::PlayerRow:
            if (!upright)
                r.fail("slot ", t, " shows ", a.picture, "/", b.picture, " in the player's row");
            if (!a.Enabled && t > kStockSize && ++waiting > 1)
                r.fail("slot ", t, " in the player's row does not take the mouse");
            break;
        case Place::Board:
            if (a.Top == b.Top ? a.picture != turned[0] || b.picture != turned[1] : !upright)
                r.fail("slot ", t, " on the board shows ", a.picture, "/", b.picture);
            break;
        }
    }
}

// Each arm shows its cells up to the one its next tile goes to, grey, and
// hides the rest.
void checkCells(const GameState &s, Report &r)
{
    constexpr Rgb kGrey{224, 224, 224};
    const struct {
        const char *name;
        const std::array<Shape, kCells> &cells;
        const std::string &counter;
    } arms[] = {{"right", s.Shr, s.first[1]}, {"left", s.Shl, s.first[2]}};
    for (const auto &arm : arms) {
        const int last = std::min(readInt(arm.counter), kCells - 1);
        for (int k = 0; k < kCells; ++k) {
            const Shape &cell = arm.cells[k];
            if (cell.Visible != (k <= last))
                r.fail("the ", arm.name, " arm's cell ", k, " shows ", cell.Visible, " with its counter at ",
                       arm.counter);
            else if (cell.Visible && (!cell.filled || !(cell.FillColor == kGrey)))
                r.fail("the ", arm.name, " arm's cell ", k, " shows but is not filled grey");
        }
    }
}

} // namespace

void checkHandInPlay(const GameState &s, Report &r)
{
    if (s.endflag != 0)
        r.fail("endflag is ", s.endflag, " in a hand in play");
    // A total that reaches 101 ends the match with the hand it ends.
    if (readInt(s.ccsc) >= 101 || readInt(s.ppsc) >= 101)
        r.fail("a hand is in play with the totals at ", s.ccsc, " and ", s.ppsc);
}

void checkAtRest(const GameWindow &game, const HeadlessPlatform *platform, Report &r)
{
    const GameState &s = game.state();
    const int held = game.heldSlot();
    checkHandInPlay(s, r);
    if (s.lStatus.Caption != kYourTurn && s.lStatus.Caption != kComputerTurn)
        r.fail("the status reads '", s.lStatus.Caption, "'");
    // The turn timer waits while the player holds a tile; nothing else stops
    // a timer between activities.
    if (s.Timer1.Enabled != (held == 0) || !s.Timer2.Enabled)
        r.fail("timers ", s.Timer1.Enabled, s.Timer2.Enabled, " with held slot ", held);
    if (platform
        && (platform->timerRunning(TimerId::Timer1) != s.Timer1.Enabled
            || platform->timerRunning(TimerId::Timer2) != s.Timer2.Enabled))
        r.fail("a timer runs other than its Enabled flag says");
    if (s.Cover.Visible)
        r.fail("the flying tile shows between moves");
    if (s.Shmove.Visible != (held != 0))
        r.fail("the drag frame shows ", s.Shmove.Visible, " with held slot ", held);
    // A tile is held only while the button that took it up is down, or for
    // the length of a key's play.
    if (held != 0 && game.buttonsHeld() == 0 && !game.activity().running(OneThingAtATime::Work::KeyPlay))
        r.fail("slot ", held, " is held with no mouse button down");
    if (s.compscore.Caption != formatScore(readInt(s.ccsc)))
        r.fail("shown computer total ", s.compscore.Caption, " but the total is ", s.ccsc);
    if (s.playerscore.Caption != formatScore(readInt(s.ppsc)))
        r.fail("shown player total ", s.playerscore.Caption, " but the total is ", s.ppsc);
    checkStock(s, r);
    checkLists(s, held, r);
    checkMoveCounts(s, held, r);
    checkTileFaces(s, held, r);
    checkCells(s, r);
}

} // namespace pipstone::test
