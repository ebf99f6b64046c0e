// own
#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace pipstone::test {
namespace {

// Ends the hand on the next periodic check with these totals and pips left.
void endHandWith(GameHarness &h, const char *ccsc, const char *csc, const char *ppsc, const char *psc)
{
    h.s().ccsc = ccsc;
    h.s().csc = csc;
    h.s().ppsc = ppsc;
    h.s().psc = psc;
    h.s().pno = "0";
    h.advance(150);
}

TEST(EndOfHand, ScoresAnnouncesAndGoesOnOrEnds)
{
    const struct {
        const char *ccsc, *csc, *ppsc, *psc;
        std::string message;
        bool matchOver;
    } cases[] = {
        {"12", "9", "30", "0",
         "Player Win That Game \r\n Player Score :    = 030 + 000 = 030\r\n Computer Score = 012 + 009 = 021", false},
        {"40", "15", "35", "0",
         "Computer Win That Game\r\n Computer Score = 040 + 015 = 055\r\n Player Score :    = 035 + 000 = 035", false},
        {"45", "5", "50", "0", "Game Is Draw\r\n Player Score :    = 050 + 000 = 050\r\n Computer Score = 045 + 005 = 050",
         false},
        {"95", "5", "99", "0",
         "Computer Win That Game\r\n Computer Score = 095 + 005 = 100\r\n Player Score :    = 099 + 000 = 099", false},
        {"100", "1", "20", "0",
         "Computer Win That Game\r\n Computer Score = 100 + 001 = 101\r\n Player Score :    = 020 + 000 = 020", true},
        {"7", "0", "98", "3",
         "Player Win That Game \r\n Player Score :    = 098 + 003 = 101\r\n Computer Score = 007 + 000 = 007", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        GameHarness h;
        const std::string opener = h.s().lStatus.Caption;
        endHandWith(h, c.ccsc, c.csc, c.ppsc, c.psc);
        ASSERT_EQ(h.platform.boxes.size(), 1u);
        EXPECT_EQ(h.platform.boxes[0].text, c.message);
        EXPECT_EQ(h.platform.boxes[0].title, "  Brisk Domino     Max Score = 101  ");
        EXPECT_EQ(h.platform.quitRequested, c.matchOver);
        if (c.matchOver)
            continue;
        // The next hand is dealt at once, totals carried over, the other side opening.
        EXPECT_EQ(h.s().endflag, 0);
        EXPECT_EQ(readInt(h.s().ccsc), readInt(c.ccsc) + readInt(c.csc));
        EXPECT_EQ(readInt(h.s().ppsc), readInt(c.ppsc) + readInt(c.psc));
        EXPECT_EQ(h.s().pno, "7");
        EXPECT_NE(h.s().lStatus.Caption, opener);
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer2));
    }
}

TEST(EndOfHand, TheComputersTilesShowFaceUpWhileTheResultIsRead)
{
    GameHarness h;
    h.platform.boxDelay = [](const auto &) { return 2000; };
    GameState seen;
    h.platform.lookAt(h.platform.tickCount() + 1000, [&] { seen = h.s(); });
    h.s().chand[8] = 1, h.s().cextra = 1; // the first tile of the stock, drawn by the computer
    h.s().lcard[1].Top = 60, h.s().rcard[1].Top = 480;
    endHandWith(h, "0", "31", "0", "0");
    for (int slot : {1, 15, 16, 17, 18, 19, 20, 21}) {
        EXPECT_EQ((std::pair<int, int>(seen.lcard[slot].picture, seen.rcard[slot].picture)),
                  std::make_pair(readInt(seen.lcard[slot].Tag) + 1, readInt(seen.rcard[slot].Tag) + 1)) << slot;
        EXPECT_EQ(seen.lcard[slot].Top, 60) << slot;
    }
    EXPECT_EQ(seen.compscore.Caption + seen.playerscore.Caption, "031000");
}

} // namespace
} // namespace pipstone::test
