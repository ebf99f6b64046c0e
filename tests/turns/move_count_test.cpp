#include "support/game_harness.h"
#include "support/random_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pipstone::test {
namespace {

using Work = OneThingAtATime::Work;

// Gives slots first, first + 1, ... the tiles `codes`.
void hold(GameHarness &h, int first, const std::vector<std::string> &codes)
{
    for (std::size_t k = 0; k < codes.size(); ++k)
        h.putTile(first + static_cast<int>(k), codes[k]);
}

TEST(MoveCount, CountsPlayableHalvesNotTiles)
{
    const std::vector<std::string> noThreeOrFive{"35", "00", "01", "02", "04", "06", "11"};
    const std::vector<std::string> noFourOrOne{"44", "00", "02", "03", "05", "06", "22"};
    const std::vector<std::string> blanks{"00", "01", "02", "03", "04", "05", "06"};
    const std::vector<std::string> dealt{"36", "44", "45", "46", "55", "56", "66"};
    const struct {
        const char *cu;
        const char *cd;
        std::vector<std::string> hand;
        const char *count;
    } cases[] = {
        {"3", "5", noThreeOrFive, "2"}, // each half matches one end
        {"3", "3", noThreeOrFive, "1"}, // one half matching both ends counts once
        {"4", "1", noFourOrOne, "2"},   // a double on an open end counts twice
        {"", "", dealt, "0"},           // before the opening only blanks count
        {"", "", blanks, "8"},
        {"0", "", blanks, "8"},
        {"6", "2", dealt, "5"},
        {"1", "2", dealt, "0"},
    };
    for (const auto &c : cases) {
        GameHarness h;
        hold(h, 22, c.hand);
        h.s().cu = c.cu;
        h.s().cd = c.cd;
        h.game.variableppmove();
        EXPECT_EQ(h.s().AvPmove, c.count) << "cu \"" << c.cu << "\" cd \"" << c.cd << "\" with " << c.hand[0];
    }
}

TEST(MoveCount, TheComputersCountListsEveryTileInItsRow)
{
    GameHarness h; // the computer holds 23 24 25 26 33 34 35
    h.s().cu = "3";
    h.s().cd = "5";
    h.s().List1 = {"99"};
    h.game.variableccmove();
    EXPECT_EQ(h.s().AvCmove, "7");
    EXPECT_EQ(h.s().List1, (std::vector<std::string>{"15", "16", "17", "18", "19", "20", "21"}));
}

TEST(MoveCount, OnlyTilesStillInTheRowsCount)
{
    const struct {
        float top;
        bool counted;
    } cases[] = {{7675, true}, {7650, true}, {7649, false}, {7500, false}, {4020, false}};
    for (const auto &c : cases) {
        GameHarness h;
        h.s().cu = "6";
        h.s().cd = "6";
        h.s().lcard[28].Top = c.top; // [6|6]
        h.s().rcard[28].Top = c.top + 420;
        h.game.variableppmove();
        EXPECT_EQ(h.s().AvPmove, c.counted ? "5" : "3") << "Top " << c.top;
    }
    for (float top : {999.0f, 1000.0f}) {
        GameHarness h;
        h.s().cu = "3";
        h.s().cd = "3";
        h.s().lcard[19].Top = top; // [3|3]
        h.game.variableccmove();
        EXPECT_EQ(h.s().AvCmove, top < 1000 ? "5" : "3") << "Top " << top;
        EXPECT_EQ(h.s().List1.size(), top < 1000 ? 7u : 6u) << "Top " << top;
    }
}

TEST(MoveCount, ATileHeldAboveTheRowIsNotCounted)
{
    GameHarness h;
    h.s().cu = "6";
    h.s().cd = "6";
    h.platform.press(h.centreX(28), h.centreY(28)); // [6|6]
    h.platform.move(h.centreX(28), 7000);
    ASSERT_EQ(h.game.heldSlot(), 28);
    h.advance(300); // the periodic check recounts while the tile is held
    EXPECT_EQ(h.s().AvPmove, "3");
}

TEST(MoveCount, TheComputersListNamesDrawnTilesWithTwoDigits)
{
    GameHarness h;
    GameState &s = h.s();
    // The computer drew slots 3 and 5 and has played slot 17.
    for (int drawn : {3, 5}) {
        s.lcard[drawn].Top = 30;
        s.rcard[drawn].Top = 450;
    }
    s.chand[8] = 3;
    s.chand[9] = 5;
    s.cextra = 2;
    s.lcard[17].Top = 4020;
    h.game.variableccmove();
    EXPECT_EQ(s.List1, (std::vector<std::string>{"15", "16", "18", "19", "20", "21", "03", "05"}));
}

TEST(MoveCount, ArrangingClosesTheGapsOfBothRows)
{
    GameHarness h;
    GameState &s = h.s();
    s.lcard[24].Left = 5000; // out of the middle of the player's row
    s.lcard[24].Top = 4020;
    s.rcard[24].Left = 5400;
    s.rcard[24].Top = 4020;
    s.lcard[17].Top = 3000; // and of the computer's
    // An empty entry in the middle of the computer's list names no tile.
    s.chand[3] = 0;
    s.chand[8] = 17;
    s.cextra = 1;
    h.game.arrangehands();

    const std::vector<int> playerRow{22, 23, 25, 26, 27, 28};
    for (std::size_t k = 0; k < playerRow.size(); ++k) {
        const int t = playerRow[k];
        EXPECT_EQ(s.lcard[t].Left, 1830 + 480 * static_cast<float>(k)) << t;
        EXPECT_EQ(s.rcard[t].Left, s.lcard[t].Left) << t;
        EXPECT_EQ(s.lcard[t].Top, 7675) << t;
        EXPECT_EQ(s.rcard[t].Top, 8095) << t;
    }
    const std::vector<int> computerRow{15, 16, 18, 19, 20, 21};
    for (std::size_t k = 0; k < computerRow.size(); ++k) {
        const int t = computerRow[k];
        EXPECT_EQ(s.lcard[t].Left, 1830 + 480 * static_cast<float>(k)) << t;
        EXPECT_EQ(s.rcard[t].Left, s.lcard[t].Left) << t;
        EXPECT_EQ(s.lcard[t].Top, 30) << t;
        EXPECT_EQ(s.rcard[t].Top, 450) << t;
    }
    EXPECT_EQ(s.lcard[24].Left, 5000);
    EXPECT_EQ(s.lcard[17].Top, 3000);
    EXPECT_EQ(s.lcard[0].Left, 0) << "the template is never laid out";
    EXPECT_EQ(s.lcard[0].Top, 0);
    EXPECT_EQ(s.List1, (std::vector<std::string>{"15", "16", "18", "19", "20", "21"}));
}

TEST(MoveCount, ACountNeverRunsInsideACountOfTheSameSide)
{
    // Both timers fall due together every 100 ms, so ticks arrive inside the
    // counts of the other timer, of the flights and of the draws.
    for (std::uint64_t seed : {3u, 11u, 29u}) {
        RandomPlayer player(seed);
        player.playMatch(20'000);
        const OneThingAtATime &activity = player.harness.game.activity();
        EXPECT_EQ(activity.deepest(Work::PlayerCount), 1) << "seed " << seed;
        EXPECT_EQ(activity.deepest(Work::ComputerCount), 1) << "seed " << seed;
        EXPECT_GT(player.harness.platform.tickCount(), 5000) << "seed " << seed;
    }
}

} // namespace
} // namespace pipstone::test
