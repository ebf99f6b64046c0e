// The end of a hand: each side adds the pips left in its own hand to its own
// total, the higher total is announced, and 101 ends the match.

// own
#include "support/game_harness.h"
#include "tiles/pictures.h"

#include <gtest/gtest.h>

namespace pipstone::test {

namespace {

const std::string kTitle = "  Brisk Domino     Max Score = 101  ";

// Ends the hand on the next tick of the periodic check, with the given match
// totals before the hand and pips left in each hand.
void endHandWith(GameHarness &h, const char *ccsc, const char *csc, const char *ppsc, const char *psc)
{
    GameState &s = h.s();
    s.ccsc = ccsc;
    s.csc = csc;
    s.ppsc = ppsc;
    s.psc = psc;
    s.pno = "0";
    h.platform.advance(150);
}

} // namespace

TEST(EndOfHand, ScoresAnnouncesAndGoesOnOrEnds)
{
    struct Case {
        const char *ccsc, *csc, *ppsc, *psc;
        std::string message;
        bool matchOver;
    };
    const Case cases[] = {
        {"12", "9", "30", "0",
         "Player Win That Game \r\n Player Score :    = 030 + 000 = 030\r\n Computer Score = 012 + 009 = 021", false},
        {"40", "15", "35", "0",
         "Computer Win That Game\r\n Computer Score = 040 + 015 = 055\r\n Player Score :    = 035 + 000 = 035", false},
        {"45", "5", "50", "0", "Game Is Draw\r\n Player Score :    = 050 + 000 = 050\r\n Computer Score = 045 + 005 = 050",
         false},
        {"95", "5", "99", "0",
         "Computer Win That Game\r\n Computer Score = 095 + 005 = 100\r\n Player Score :    = 099 + 000 = 099", false},
        {"100", "3", "20", "0",
         "Computer Win That Game\r\n Computer Score = 100 + 003 = 103\r\n Player Score :    = 020 + 000 = 020", true},
        {"7", "0", "98", "10",
         "Player Win That Game \r\n Player Score :    = 098 + 010 = 108\r\n Computer Score = 007 + 000 = 007", true},
    };
    for (const Case &c : cases) {
        GameHarness h;
        const std::string opener = h.s().lStatus.Caption;
        endHandWith(h, c.ccsc, c.csc, c.ppsc, c.psc);
        ASSERT_EQ(h.platform.boxes.size(), 1u) << c.message;
        EXPECT_EQ(h.platform.boxes[0].text, c.message);
        EXPECT_EQ(h.platform.boxes[0].title, kTitle);
        EXPECT_EQ(h.platform.quitRequested, c.matchOver) << c.message;
        if (c.matchOver)
            continue;
        // The next hand is dealt at once, the totals carried over, the other
        // side opening it.
        const GameState &s = h.s();
        EXPECT_EQ(s.endflag, 0);
        EXPECT_EQ(readInt(s.ccsc), readInt(c.ccsc) + readInt(c.csc));
        EXPECT_EQ(readInt(s.ppsc), readInt(c.ppsc) + readInt(c.psc));
        EXPECT_EQ(s.pno, "7");
        EXPECT_NE(s.lStatus.Caption, opener);
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer2));
    }
}

TEST(EndOfHand, TheComputersTilesShowFaceUpWhileTheResultIsRead)
{
    GameHarness h;
    h.platform.boxDelay = [](const auto &) { return 2000; };
    GameState seen;
    h.platform.lookAt(h.platform.tickCount() + 1000, [&] { seen = h.s(); });
    endHandWith(h, "0", "31", "0", "0");
    for (int slot = 15; slot <= 21; ++slot) {
        EXPECT_EQ(seen.lcard[slot].picture, uprightFace(readInt(seen.lcard[slot].Tag))) << slot;
        EXPECT_EQ(seen.rcard[slot].picture, uprightFace(readInt(seen.rcard[slot].Tag))) << slot;
        EXPECT_EQ(seen.lcard[slot].Top, 60) << "the tiles stay where they are";
    }
    EXPECT_EQ(seen.compscore.Caption, "031");
    EXPECT_EQ(seen.playerscore.Caption, "000");
}

} // namespace pipstone::test
