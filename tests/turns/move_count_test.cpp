#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pipstone::test {
namespace {

using List = std::vector<std::string>;

TEST(MoveCount, CountsPlayableHalvesNotTiles)
{
    const List noThreeOrFive{"35", "00", "01", "02", "04", "06", "11"};
    const List blanks{"00", "01", "02", "03", "04", "05", "06"};
    const List dealt{"36", "44", "45", "46", "55", "56", "66"};
    const struct {
        const char *cu, *cd;
        List hand;
        const char *count;
    } cases[] = {
        {"3", "5", noThreeOrFive, "2"},                               // each half matches one end
        {"3", "3", noThreeOrFive, "1"},                               // one half matching both ends counts once
        {"4", "1", {"44", "00", "02", "03", "05", "06", "22"}, "2"}, // a double counts twice
        {"", "", dealt, "0"},                                         // before the opening only blanks count
        {"", "", blanks, "8"},
        {"0", "", blanks, "8"},
        {"6", "2", dealt, "5"},
        {"1", "2", dealt, "0"},
    };
    for (const auto &c : cases) {
        GameHarness h;
        for (std::size_t k = 0; k < c.hand.size(); ++k)
            h.putTile(22 + static_cast<int>(k), c.hand[k]);
        h.s().cu = c.cu;
        h.s().cd = c.cd;
        h.game.variableppmove();
        EXPECT_EQ(h.s().AvPmove, c.count) << "cu \"" << c.cu << "\" cd \"" << c.cd << "\" with " << c.hand[0];
    }
}

TEST(MoveCount, OnlyTilesStillInTheRowsCount)
{
    for (auto [top, counted] : {std::pair{7675.f, true}, {7650.f, true}, {7649.f, false}, {4020.f, false}}) {
        GameHarness h;
        h.s().cu = h.s().cd = "6";
        h.s().lcard[28].Top = top; // [6|6]
        h.s().rcard[28].Top = top + 420;
        h.game.variableppmove();
        EXPECT_EQ(h.s().AvPmove, counted ? "5" : "3") << "Top " << top;
    }
    for (float top : {999.0f, 1000.0f}) {
        GameHarness h;
        h.s().cu = h.s().cd = "3";
        h.s().lcard[19].Top = top; // [3|3]
        h.game.variableccmove();
        EXPECT_EQ(h.s().AvCmove, top < 1000 ? "5" : "3") << "Top " << top;
        EXPECT_EQ(h.s().List1.size(), top < 1000 ? 7u : 6u) << "Top " << top;
    }
    // A tile held above the row while the periodic check recounts.
    GameHarness h;
    h.s().cu = h.s().cd = "6";
    h.platform.press(h.centreX(28), h.centreY(28));
    h.platform.move(h.centreX(28), 7000);
    ASSERT_EQ(h.game.heldSlot(), 28);
    h.advance(300);
    EXPECT_EQ(h.s().AvPmove, "3");
}

// Counting again right after a count sees any change of what a count reads,
// whoever made it: a tile's place or pips, an end, the hand's entries, the
// extra tiles, and the count and list themselves.
TEST(MoveCount, CountingAgainSeesEveryChangeOfWhatItReads)
{
    const List row{"15", "16", "17", "18", "19", "20", "21"};
    const struct {
        const char *change;
        std::function<void(GameState &, GameHarness &)> apply;
        const char *player, *computer;
        List list;
    } cases[] = {
        {"nothing", [](GameState &, GameHarness &) {}, "5", "1", row},
        {"a tile leaves the player's row", [](GameState &s, GameHarness &) { s.lcard[28].Top = 4020; }, "3", "1", row},
        {"an end written", [](GameState &s, GameHarness &) { s.cd = "3"; }, "6", "6", row},
        {"an end taken from a tile", [](GameState &s, GameHarness &) { s.cu = s.lcard[22].Tag; }, "6", "6", row},
        {"pips trade places", [](GameState &, GameHarness &h) { h.putTile(28, "00"); }, "3", "1", row},
        {"an entry emptied", [](GameState &s, GameHarness &) { s.phand[7] = 0; }, "3", "1", row},
        {"entries trade places", [](GameState &s, GameHarness &) { std::swap(s.chand[1], s.chand[2]); }, "5", "1",
         List{"16", "15", "17", "18", "19", "20", "21"}},
        {"an extra tile", [](GameState &s, GameHarness &) { s.cextra = 1; }, "5", "2",
         List{"15", "16", "17", "18", "19", "20", "21", "07"}},
        {"the list written over", [](GameState &s, GameHarness &) { s.List1 = {"99"}; }, "5", "1", row},
        {"a listed slot written over", [](GameState &s, GameHarness &) { s.List1[0] = "25"; }, "5", "1", row},
        {"the count written over", [](GameState &s, GameHarness &) { s.AvPmove = "9"; }, "5", "1", row},
    };
    // Counted alone, either side first, or as closing up the rows counts them.
    enum class Counting { PlayerFirst, ComputerFirst, Arranging };
    for (const Counting counting : {Counting::PlayerFirst, Counting::ComputerFirst, Counting::Arranging}) {
        const bool arranging = counting == Counting::Arranging;
        const std::string how = counting == Counting::PlayerFirst     ? ""
                                : counting == Counting::ComputerFirst ? ", the computer first"
                                                                      : ", arranging";
        for (const auto &c : cases) {
            GameHarness h;
            GameState &s = h.s();
            s.cu = s.cd = "6";
            s.chand[8] = 7; // [0|6], already in the computer's row, counted once an extra tile is
            s.lcard[7].Top = 30;
            s.rcard[7].Top = 450;
            const auto count = [&] {
                if (arranging) {
                    h.game.arrangehands();
                } else if (counting == Counting::ComputerFirst) {
                    h.game.variableccmove();
                    h.game.variableppmove();
                } else {
                    h.game.variableppmove();
                    h.game.variableccmove();
                }
            };
            count();
            count(); // finds nothing new
            c.apply(s, h);
            count();
            EXPECT_EQ(s.AvPmove, c.player) << c.change << how;
            EXPECT_EQ(s.AvCmove, c.computer) << c.change << how;
            EXPECT_EQ(s.List1, c.list) << c.change << how;
        }
    }
}

TEST(MoveCount, TheComputersListNamesDrawnTilesWithTwoDigits)
{
    GameHarness h;
    GameState &s = h.s();
    for (int drawn : {3, 5}) { // drawn by the computer; slot 17 played
        s.lcard[drawn].Top = 30;
        s.rcard[drawn].Top = 450;
    }
    s.chand[8] = 3;
    s.chand[9] = 5;
    s.cextra = 2;
    s.lcard[17].Top = 4020;
    s.List1 = {"99"};
    h.game.variableccmove();
    EXPECT_EQ(s.List1, (List{"15", "16", "18", "19", "20", "21", "03", "05"}));
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
    s.chand[3] = 0;         // an empty entry in the middle of the list names no tile
    s.chand[8] = 17;
    s.cextra = 1;
    h.game.arrangehands();
    const std::pair<std::vector<int>, float> rows[] = {{{22, 23, 25, 26, 27, 28}, 7675}, {{15, 16, 18, 19, 20, 21}, 30}};
    for (const auto &[slots, top] : rows) {
        for (std::size_t k = 0; k < slots.size(); ++k) {
            const int t = slots[k];
            EXPECT_EQ(s.lcard[t].Left, 1830 + 480 * static_cast<float>(k)) << t;
            EXPECT_EQ(s.rcard[t].Left, s.lcard[t].Left) << t;
            EXPECT_EQ(s.lcard[t].Top, top) << t;
            EXPECT_EQ(s.rcard[t].Top, top + 420) << t;
        }
    }
    EXPECT_EQ(s.lcard[24].Left, 5000);
    EXPECT_EQ(s.lcard[17].Top, 3000);
    EXPECT_EQ(s.lcard[0].Left + s.lcard[0].Top, 0) << "the template is never laid out";
    EXPECT_EQ(s.List1, (List{"15", "16", "18", "19", "20", "21"}));

    // A tile slid along its row, and nothing else: closing up again puts it back.
    s.lcard[22].Left = 1900;
    h.game.arrangehands();
    EXPECT_EQ(s.lcard[22].Left, 1830);
}

} // namespace
} // namespace pipstone::test
