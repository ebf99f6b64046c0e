#include "support/invariants.h"

// own
#include "support/invariant_report.h"
#include "state/places.h"
#include "state/text_number.h"
#include "tiles/tile_set.h"

// std
#include <algorithm>
#include <cmath>
#include <set>

namespace pipstone::test {

int pipsOf(const GameState &s, int slot)
{
    return readInt(s.lcard[slot].Tag) + readInt(s.rcard[slot].Tag);
}

Place placeOf(const GameState &s, int slot)
{
    const Picture &first = s.lcard[slot];
    if (first.Left <= 1080)
        return Place::Stock;
    if (first.Top < 1000)
        return Place::ComputerRow;
    if (first.Top >= 7500)
        return Place::PlayerRow;
    return Place::Board;
}

namespace {

struct Point {
    double x, y;
};

Point centre(const Picture &half)
{
    return {half.Left + half.Width / 2, half.Top + half.Height / 2};
}

double distance(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

bool inside(const Picture &half, const Shape &cell)
{
    return half.Left >= cell.Left && half.Top >= cell.Top && half.Left + 400 <= cell.Left + cell.Width + 1
           && half.Top + 400 <= cell.Top + cell.Height + 1;
}

void checkTiles(const GameState &s, Report &r)
{
    const auto codes = setList();
    std::multiset<std::string> seen;
    for (int i = 1; i <= kSlots; ++i) {
        if (!s.lcard[i].exists || !s.rcard[i].exists) {
            r.fail("slot ", i, " does not exist");
            continue;
        }
        seen.insert(s.lcard[i].Tag + s.rcard[i].Tag);
    }
    for (const std::string &code : codes)
        if (seen.count(code) != 1)
            r.fail("tile ", code, " is present ", seen.count(code), " times");
}

// Walks one arm from the opening tile: every tile in the arm's next cell,
// its touching half equal to the open end before it.
void checkArm(const GameState &s, int opening, Arm arm, Report &r, std::set<int> &onChain)
{
    const bool right = arm == Arm::Right;
    const int tiles = readInt(right ? s.first[1] : s.first[2]);
    std::string open = right ? s.rcard[opening].Tag : s.lcard[opening].Tag;
    Point previous = right ? centre(s.rcard[opening]) : centre(s.lcard[opening]);
    for (int k = 0; k < tiles; ++k) {
        const Shape &cell = right ? s.Shr[k] : s.Shl[k];
        int found = 0;
        for (int i = 1; i <= kSlots; ++i)
            if (placeOf(s, i) == Place::Board && inside(s.lcard[i], cell) && inside(s.rcard[i], cell))
                found = i;
        if (found == 0) {
            r.fail(right ? "right" : "left", " cell ", k, " is empty");
            return;
        }
        onChain.insert(found);
        const Picture &a = s.lcard[found];
        const Picture &b = s.rcard[found];
        const bool firstTouches = distance(centre(a), previous) < distance(centre(b), previous);
        const Picture &touching = firstTouches ? a : b;
        const Picture &other = firstTouches ? b : a;
        if (touching.Tag != open)
            r.fail(right ? "right" : "left", " cell ", k, ": half ", touching.Tag, " touches open end ", open);
        open = other.Tag;
        previous = centre(other);
    }
    const std::string &end = right ? s.cd : s.cu;
    if (end != open)
        r.fail(right ? "cd" : "cu", " is '", end, "' but the chain ends in ", open);
}

void checkBoard(const GameState &s, int held, Report &r)
{
    std::vector<int> board;
    for (int i = 1; i <= kSlots; ++i)
        if (i != held && placeOf(s, i) == Place::Board)
            board.push_back(i);
    if (readInt(s.first[0]) == 0) {
        if (!board.empty())
            r.fail(board.size(), " tiles on the board before the opening");
        return;
    }
    int opening = 0;
    for (int i : board)
        if (s.lcard[i].Left == 6025 && s.lcard[i].Top == 4000 && s.rcard[i].Left == 6450)
            opening = i;
    if (opening == 0) {
        r.fail("no opening tile in the middle");
        return;
    }
    std::set<int> onChain{opening};
    checkArm(s, opening, Arm::Right, r, onChain);
    checkArm(s, opening, Arm::Left, r, onChain);
    if (onChain.size() != board.size())
        r.fail(board.size(), " tiles on the board but ", onChain.size(), " in the chain");
}

void checkCounts(const GameState &s, int held, Report &r)
{
    int stock = 0, computer = 0, player = 0, computerPips = 0, playerPips = 0;
    for (int i = 1; i <= kSlots; ++i) {
        const Place place = i == held ? Place::PlayerRow : placeOf(s, i);
        if (place == Place::Stock)
            ++stock;
        if (place == Place::ComputerRow) {
            ++computer;
            computerPips += pipsOf(s, i);
        }
        if (place == Place::PlayerRow) {
            ++player;
            playerPips += pipsOf(s, i);
        }
    }
    if (readInt(s.pno) != player)
        r.fail("pno ", s.pno, " but the player's row holds ", player);
    if (readInt(s.cno) != computer)
        r.fail("cno ", s.cno, " but the computer's row holds ", computer);
    if (readInt(s.psc) != playerPips)
        r.fail("psc ", s.psc, " but the player's row holds ", playerPips, " pips");
    if (readInt(s.csc) != computerPips)
        r.fail("csc ", s.csc, " but the computer's row holds ", computerPips, " pips");
    if (readInt(s.pull) != 14 - stock)
        r.fail("pull ", s.pull, " but the stock holds ", stock);
}

// A hand is over when a side has played its last tile or the stock is empty
// and no tile in either row fits an end.
bool handIsOver(const GameState &s)
{
    if (readInt(s.cno) == 0 || readInt(s.pno) == 0)
        return true;
    if (readInt(s.pull) < kStockSize)
        return false;
    for (int t = 1; t <= kSlots; ++t) {
        const Place place = placeOf(s, t);
        if (place != Place::PlayerRow && place != Place::ComputerRow)
            continue;
        for (const Picture *half : {&s.lcard[t], &s.rcard[t]})
            if (readNumber(half->Tag) == readNumber(s.cu) || readNumber(half->Tag) == readNumber(s.cd))
                return false;
    }
    return true;
}

int pipsIn(const GameState &s, Place row)
{
    int pips = 0;
    for (int t = 1; t <= kSlots; ++t)
        if (placeOf(s, t) == row)
            pips += pipsOf(s, t);
    return pips;
}

} // namespace

// The end of a hand writes the new totals before it lets events run, so the
// first event-processing call inside it sees them: each must be its total
// before the hand plus the pips left in that side's row.
void InvariantChecker::watch(const GameWindow &game)
{
    const GameState &s = game.state();
    if (game.closed())
        return;
    if (!watching_) {
        watching_ = true;
        computerTotal_ = readInt(s.ccsc);
        playerTotal_ = readInt(s.ppsc);
    }
    Report r;
    const bool ending = game.activity().running(OneThingAtATime::Work::EndOfHand);
    if (ending && !inEndOfHand_) {
        if (!handIsOver(s))
            r.fail("a hand in play was scored: cno ", s.cno, ", pno ", s.pno, ", pull ", s.pull);
        const int computerTotal = computerTotal_ + pipsIn(s, Place::ComputerRow);
        const int playerTotal = playerTotal_ + pipsIn(s, Place::PlayerRow);
        if (s.compscore.Caption != formatScore(computerTotal) || s.playerscore.Caption != formatScore(playerTotal))
            r.fail("the hand ended with totals ", s.compscore.Caption, " and ", s.playerscore.Caption, " but scores ",
                   computerTotal, " and ", playerTotal);
        computerTotal_ = computerTotal;
        playerTotal_ = playerTotal;
    }
    inEndOfHand_ = ending;
    if (!game.activity().busy()) {
        if (readInt(s.ccsc) != computerTotal_ || readInt(s.ppsc) != playerTotal_)
            r.fail("the totals became ", s.ccsc, " and ", s.ppsc, " outside the end of a hand; they are ",
                   computerTotal_, " and ", playerTotal_);
        checkHandInPlay(s, r);
    }
    if (watched_.empty())
        watched_ = r.problems;
}

std::vector<std::string> InvariantChecker::check(const GameWindow &game, int mostBoxesOpen,
                                                 const HeadlessPlatform *platform)
{
    Report r;
    r.problems.swap(watched_);
    const GameState &s = game.state();
    if (game.closed())
        return r.problems;
    using Work = OneThingAtATime::Work;
    for (int w = 0; w < static_cast<int>(Work::Count); ++w)
        if (game.activity().deepest(static_cast<Work>(w)) > 1)
            r.fail("work kind ", w, " ran inside itself");
    if (mostBoxesOpen > 1)
        r.fail(mostBoxesOpen, " message boxes were open at once");

    checkTiles(s, r);
    if (!game.activity().busy() && r.problems.empty()) {
        checkCounts(s, game.heldSlot(), r);
        checkBoard(s, game.heldSlot(), r);
        checkAtRest(game, platform, r);
    }
    const int computerTotal = readInt(s.ccsc), playerTotal = readInt(s.ppsc);
    if (computerTotal < lastComputerTotal_ || playerTotal < lastPlayerTotal_)
        r.fail("a match total went down");
    lastComputerTotal_ = std::max(lastComputerTotal_, computerTotal);
    lastPlayerTotal_ = std::max(lastPlayerTotal_, playerTotal);
    return r.problems;
}

} // namespace pipstone::test
