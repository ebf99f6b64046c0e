// The words a screen reader speaks for each happening, and the line that
// gathers the happenings of one step.

// own
#include "platform/qt/access/narrator.h"

// std
#include <gtest/gtest.h>

#include <string>

namespace pipstone::testing {
namespace {

using Kind = Happening::Kind;
constexpr auto kYou = Happening::Side::Player;
constexpr auto kComputer = Happening::Side::Computer;

Happening tile(Kind kind, Happening::Side side, int first, int second, Happening::End end = Happening::End::Left)
{
    Happening h;
    h.kind = kind;
    h.side = side;
    h.first = static_cast<std::uint8_t>(first);
    h.second = static_cast<std::uint8_t>(second);
    h.end = end;
    h.leftEnd = 5;
    h.rightEnd = 6;
    h.stockLeft = 9;
    return h;
}

Happening scores(Kind kind, int computer, int you)
{
    Happening h;
    h.kind = kind;
    h.computerAdded = 9;
    h.playerAdded = 0;
    h.computerTotal = static_cast<std::int16_t>(computer);
    h.playerTotal = static_cast<std::int16_t>(you);
    return h;
}

Happening ofSide(Kind kind, Happening::Side side)
{
    Happening h;
    h.kind = kind;
    h.side = side;
    return h;
}

TEST(Narrator, SaysEachHappening)
{
    const struct {
        Happening happening;
        std::string said;
    } cases[] = {
        {ofSide(Kind::Deal, kYou), "New hand. You open."},
        {ofSide(Kind::Deal, kComputer), "New hand. Computer opens."},
        {tile(Kind::Opening, kComputer, 5, 6), "Computer opens with 5 and 6. Left end 5, right end 6."},
        {tile(Kind::Play, kComputer, 3, 5), "Computer plays 3 and 5 on the left end. Left end 5, right end 6."},
        {tile(Kind::Play, kYou, 6, 2, Happening::End::Right),
         "You play 6 and 2 on the right end. Left end 5, right end 6."},
        {tile(Kind::Refusal, kYou, 4, 4), "4 and 4 does not go there."},
        {tile(Kind::Draw, kYou, 1, 3), "You take 1 and 3 from the stock, 9 left."},
        {tile(Kind::Draw, kComputer, 0, 0), "Computer takes a tile from the stock, 9 left."},
        {ofSide(Kind::Turn, kYou), "Your turn."},
        {ofSide(Kind::Turn, kComputer), "Computer's turn."},
        {ofSide(Kind::Pass, kYou), "You cannot move and pass."},
        {ofSide(Kind::Pass, kComputer), "Computer cannot move and passes."},
        {scores(Kind::HandOver, 21, 30),
         "Hand over. Computer adds 9, you add 0. Computer 021, you 030. You win the hand."},
        {scores(Kind::HandOver, 55, 35),
         "Hand over. Computer adds 9, you add 0. Computer 055, you 035. Computer wins the hand."},
        {scores(Kind::HandOver, 50, 50),
         "Hand over. Computer adds 9, you add 0. Computer 050, you 050. The hand is a draw."},
        {scores(Kind::MatchOver, 101, 30), "Match over. Computer wins the match."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sentence(c.happening), c.said);
}

TEST(Narrator, OneLineTellsEverythingHeardSinceTheLastInOrder)
{
    Narrator narrator;
    EXPECT_FALSE(narrator.hasNews());
    EXPECT_EQ(narrator.takeLine(), "");
    narrator.hear(tile(Kind::Play, kComputer, 3, 5));
    narrator.hear(ofSide(Kind::Turn, kYou));
    EXPECT_FALSE(narrator.takeDeal());
    EXPECT_EQ(narrator.takeLine(), "Computer plays 3 and 5 on the left end. Left end 5, right end 6. Your turn.");
    EXPECT_FALSE(narrator.hasNews());
    narrator.hear(ofSide(Kind::Deal, kComputer));
    EXPECT_TRUE(narrator.takeDeal());
    EXPECT_FALSE(narrator.takeDeal()) << "a deal is taken once";
    EXPECT_EQ(narrator.takeLine(), "New hand. Computer opens.");
    EXPECT_EQ(narrator.latest(), "New hand. Computer opens.");
    EXPECT_EQ(narrator.takeLine(), "");
    EXPECT_EQ(narrator.latest(), "New hand. Computer opens.") << "the last line told stays";
}

// After a message box, news is held until the game waits for the player:
// only the last happening heard decides.
TEST(Narrator, TheNewsWaitsForThePlayerOnlyWhenItEndsWithThePlayersTurnOrOpening)
{
    const struct {
        Happening last;
        bool waits;
    } cases[] = {
        {ofSide(Kind::Turn, kYou), true},
        {ofSide(Kind::Deal, kYou), true},
        {ofSide(Kind::Turn, kComputer), false},
        {ofSide(Kind::Deal, kComputer), false},
        {tile(Kind::Draw, kComputer, 0, 0), false},
        {tile(Kind::Play, kYou, 3, 5), false},
        {ofSide(Kind::Pass, kYou), false},
        {scores(Kind::HandOver, 21, 30), false},
    };
    for (const auto &c : cases) {
        Narrator narrator;
        EXPECT_FALSE(narrator.waitsForPlayer());
        narrator.hear(c.waits ? tile(Kind::Draw, kComputer, 0, 0) : ofSide(Kind::Turn, kYou));
        narrator.hear(c.last);
        EXPECT_EQ(narrator.waitsForPlayer(), c.waits) << sentence(c.last);
        narrator.takeLine();
        EXPECT_FALSE(narrator.waitsForPlayer()) << "told news waits for nothing";
    }
}

} // namespace
} // namespace pipstone::testing
