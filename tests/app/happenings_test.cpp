// What the game tells the toolkit happened, in order, where it happened: the
// record a screen reader speaks from.

// own
#include "support/game_harness.h"
#include "support/random_player.h"
#include "state/places.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pipstone::test {
namespace {

using Kind = Happening::Kind;

std::string told(const Happening &h)
{
    const std::string side = h.side == Happening::Side::Player ? "P" : "C";
    const std::string tile = std::to_string(h.first) + "|" + std::to_string(h.second);
    const std::string ends = " ends " + std::to_string(h.leftEnd) + "/" + std::to_string(h.rightEnd);
    switch (h.kind) {
    case Kind::Deal: return "deal " + side;
    case Kind::Opening: return "opening " + side + " " + tile + ends;
    case Kind::Play: return "play " + side + " " + tile + (h.end == Happening::End::Left ? " left" : " right") + ends;
    case Kind::Refusal: return "refusal " + tile;
    case Kind::Draw: return "draw " + side + " " + tile + " stock " + std::to_string(h.stockLeft);
    case Kind::Turn: return "turn " + side;
    case Kind::Pass: return "pass " + side;
    case Kind::HandOver:
        return "hand " + std::to_string(h.computerTotal) + "/" + std::to_string(h.playerTotal) + " added "
               + std::to_string(h.computerAdded) + "/" + std::to_string(h.playerAdded);
    case Kind::MatchOver: return "match " + std::to_string(h.computerTotal) + "/" + std::to_string(h.playerTotal);
    }
    return "?";
}

std::vector<std::string> toldSince(const GameHarness &h, std::size_t from)
{
    std::vector<std::string> lines;
    for (std::size_t i = from; i < h.platform.happenings.size(); ++i)
        lines.push_back(told(h.platform.happenings[i]));
    return lines;
}

// Without a shuffle the player holds 36 44 45 46 55 56 66 (slots 22..28), the
// computer 23 24 25 26 33 34 35 (slots 15..21), and the stock 00 01 02 03 04
// 05 06 11 ... in slot order.
void openWithTheFirstTile(GameHarness &h)
{
    h.platform.keyPress(Key::Home);
    h.platform.keyPress(Key::Up);
}

void computerMustDraw(GameHarness &h)
{
    h.s().first[0] = "1";
    h.s().cu = "0";
    h.s().cd = "1"; // none of the computer's tiles fits; the stock's first does
    h.s().lStatus.Caption = kComputerTurn;
}

void playerDraws(GameHarness &h)
{
    h.s().first[0] = "1";
    h.s().cu = h.s().cd = "2";
    h.s().PushButton3.Enabled = true;
    h.click(ButtonId::GetCard);
}

void playerPasses(GameHarness &h)
{
    h.blockBothSides();
    h.putTile(15, "12");
}

void refusedTile(GameHarness &h)
{
    h.s().first[0] = "1";
    h.s().cu = h.s().cd = "0";
    h.platform.keyPress(Key::Home);
    h.platform.keyPress(Key::Down);
}

void handEnds(GameHarness &h, const char *ccsc, const char *csc)
{
    h.s().ccsc = ccsc;
    h.s().csc = csc;
    h.s().ppsc = "30";
    h.s().psc = "0";
    h.s().pno = "0";
}

TEST(Happenings, EachIsToldWhereItHappensInOrder)
{
    const struct {
        const char *what;
        void (*setUp)(GameHarness &);
        std::vector<std::string> told; // the first of them, after the deal
    } cases[] = {
        {"the player opens, the computer answers",
         openWithTheFirstTile,
         {"opening P 3|6 ends 3/6", "turn C", "play C 3|5 left ends 5/6", "turn P"}},
        {"the computer draws its tile unseen, then plays it",
         computerMustDraw,
         {"draw C 0|0 stock 13", "play C 0|0 left ends 0/1", "turn P"}},
        {"the player's draw names the tile", playerDraws, {"draw P 0|0 stock 13"}},
        {"a pass hands the turn over", playerPasses, {"pass P", "turn C", "play C 1|2 right ends 0/2", "turn P"}},
        {"a tile let go where it does not fit", refusedTile, {"refusal 3|6"}},
        {"a hand scored, the next dealt", [](GameHarness &h) { handEnds(h, "12", "9"); },
         {"hand 21/30 added 9/0", "deal C"}},
        {"the last hand of the match", [](GameHarness &h) { handEnds(h, "100", "1"); },
         {"hand 101/30 added 1/0", "match 101/30"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        GameHarness h;
        ASSERT_EQ(toldSince(h, 0), std::vector<std::string>{"deal P"});
        c.setUp(h);
        h.advance(5000);
        std::vector<std::string> lines = toldSince(h, 1);
        lines.resize(std::min(lines.size(), c.told.size()));
        EXPECT_EQ(lines, c.told);
    }
}

// Over whole random matches the record tells a game that holds together:
// every hand opens once before any tile is laid on an arm, each tile laid
// fits the open end it was laid on, the stock counts down, the turn changes
// hands at every change, and each hand's scoring leads to the next deal or to
// the one end of the match, whose totals the window shows.
TEST(Happenings, WholeMatchesAreToldInFull)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        RandomPlayer player(seed);
        ASSERT_EQ(player.playMatch(), std::vector<std::string>{});
        const std::vector<Happening> &all = player.harness.platform.happenings;
        ASSERT_FALSE(all.empty());
        int hands = 0, stock = kStockSize, left = -1, right = -1;
        Happening::Side turn = all.front().side;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Happening &e = all[i];
            SCOPED_TRACE(i);
            switch (e.kind) {
            case Kind::Deal:
                ++hands;
                stock = kStockSize;
                left = right = -1;
                turn = e.side;
                break;
            case Kind::Opening:
                EXPECT_EQ(left, -1);
                EXPECT_EQ(e.side, turn);
                left = e.leftEnd;
                right = e.rightEnd;
                EXPECT_EQ(std::make_pair(left, right), std::make_pair(int{e.first}, int{e.second}));
                break;
            case Kind::Play: {
                EXPECT_EQ(e.side, turn);
                int &end = e.end == Happening::End::Left ? left : right;
                ASSERT_TRUE(e.first == end || e.second == end) << told(e) << " on " << end;
                end = e.first == end ? e.second : e.first;
                EXPECT_EQ(std::make_pair(int{e.leftEnd}, int{e.rightEnd}), std::make_pair(left, right));
                break;
            }
            case Kind::Draw:
                EXPECT_EQ(e.side, turn);
                EXPECT_EQ(e.stockLeft, --stock);
                break;
            case Kind::Turn:
                EXPECT_NE(e.side, turn);
                turn = e.side;
                break;
            case Kind::Pass:
                EXPECT_EQ(e.side, turn);
                EXPECT_EQ(stock, 0);
                break;
            case Kind::HandOver:
                ASSERT_LT(i + 1, all.size());
                EXPECT_TRUE(all[i + 1].kind == Kind::Deal || all[i + 1].kind == Kind::MatchOver);
                break;
            case Kind::MatchOver:
                EXPECT_EQ(i + 1, all.size());
                EXPECT_EQ(formatScore(e.computerTotal), player.harness.s().compscore.Caption);
                EXPECT_EQ(formatScore(e.playerTotal), player.harness.s().playerscore.Caption);
                break;
            case Kind::Refusal: break;
            }
        }
        EXPECT_EQ(all.back().kind, Kind::MatchOver);
        EXPECT_EQ(hands, player.hands);
    }
}

} // namespace
} // namespace pipstone::test
