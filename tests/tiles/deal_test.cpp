#include "support/game_harness.h"
#include "tiles/pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pipstone::test {
namespace {

std::vector<std::string> dealtComputerList()
{
    return {"15", "16", "17", "18", "19", "20", "21"};
}

TEST(Deal, LaysOutTheStockAndBothHands)
{
    GameHarness h;
    const GameState &s = h.s();
    for (int i = 1; i <= kSlots; ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        const Picture &first = s.lcard[i];
        const Picture &second = s.rcard[i];
        EXPECT_TRUE(first.Visible && second.Visible);
        EXPECT_EQ(first.Width, 405);
        EXPECT_EQ(second.Height, 405);
        if (i <= 14) { // the stock: lying tiles, second half on the left
            EXPECT_EQ(first.Left, 540);
            EXPECT_EQ(second.Left, 120);
            EXPECT_EQ(first.Top, 650 + 435 * i);
            EXPECT_EQ(second.Top, first.Top);
            EXPECT_EQ(s.cardrot[i], 2);
        } else if (i <= 21) { // the computer's row
            EXPECT_EQ(first.Left, 1350 + 485 * (i - 14));
            EXPECT_EQ(second.Left, first.Left);
            EXPECT_EQ(first.Top, 60);
            EXPECT_EQ(second.Top, 480);
            EXPECT_EQ(s.cardrot[i], 1);
        } else { // the player's row
            EXPECT_EQ(first.Left, 1350 + 485 * (i - 21));
            EXPECT_EQ(second.Left, first.Left);
            EXPECT_EQ(first.Top, 7675);
            EXPECT_EQ(second.Top, 8095);
            EXPECT_EQ(s.cardrot[i], 1);
        }
        const bool faceUp = i >= 22;
        EXPECT_EQ(first.picture, faceUp ? uprightFace(std::stoi(first.Tag)) : kBackPicture);
        EXPECT_EQ(second.picture, faceUp ? uprightFace(std::stoi(second.Tag)) : kBackPicture);
        EXPECT_EQ(first.Enabled, faceUp);
        EXPECT_EQ(second.Enabled, faceUp);
    }
    EXPECT_EQ(s.lcard[1].Top, 1085);
    EXPECT_EQ(s.lcard[14].Top, 6740);
    EXPECT_EQ(s.lcard[28].Left, 4745);
    EXPECT_FALSE(s.lcard[0].Visible);
    EXPECT_FALSE(s.rcard[0].Visible);
}

TEST(Deal, FillsTheHandListsAndResetsTheHandCounters)
{
    GameHarness h;
    GameState &s = h.s();
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(s.chand[k], 14 + k);
        EXPECT_EQ(s.phand[k], 21 + k);
    }
    EXPECT_EQ(s.List1, dealtComputerList());
    EXPECT_EQ(s.pno, "7");
    EXPECT_EQ(s.cno, "7");
    EXPECT_EQ(s.pull, "0");
    EXPECT_EQ(s.pextra, 0);
    EXPECT_EQ(s.cextra, 0);
}

TEST(Deal, EntriesPastTheSeventhAreClearedAfterDrawsInAnEarlierHand)
{
    // Without a shuffle the player holds no blank half and may draw at once.
    GameHarness h;
    h.advance(100);
    ASSERT_TRUE(h.s().PushButton3.Enabled);
    h.click(ButtonId::GetCard);
    ASSERT_TRUE(h.platform.advanceUntil([&] { return h.s().pextra >= 1 && !h.game.activity().busy(); }, 10000));
    ASSERT_EQ(h.s().phand[8], 1);

    // Stale hand entries and items in the computer's list from the hand before.
    h.s().chand[8] = 2;
    h.s().chand[9] = 3;
    h.s().List1 = {"03", "15"};
    h.s().pno = "9";
    h.s().pull = "5";
    h.game.PushButton1_Click();
    for (int k = 8; k <= kSlots; ++k) {
        EXPECT_EQ(h.s().phand[k], 0) << k;
        EXPECT_EQ(h.s().chand[k], 0) << k;
    }
    EXPECT_EQ(h.s().pextra, 0);
    EXPECT_EQ(h.s().List1, dealtComputerList());
    EXPECT_EQ(h.s().pno, "7");
    EXPECT_EQ(h.s().pull, "0");
}

TEST(Deal, TheOpenerFollowsMturnAndAnythingElseLeavesTheStatus)
{
    const struct {
        const char *mturn;
        const char *status;
    } cases[] = {{"1", "Status: Your Turn"}, {"2", "Status: Computer1"}, {"", "Status"}, {"3", "Status"},
                 {"01", "Status"}, {" 1", "Status"}};
    for (const auto &c : cases) {
        GameHarness h(nullptr, /*load=*/false);
        h.s().mturn = c.mturn;
        h.game.dealcards();
        EXPECT_EQ(h.s().lStatus.Caption, c.status) << "mturn \"" << c.mturn << '"';
        EXPECT_EQ(h.s().lStatus.Top, 1065) << "the deal does not move the label";
    }
}

TEST(Deal, SwitchesThePeriodicCheckOn)
{
    GameHarness h(nullptr, /*load=*/false);
    h.s().Timer2.Enabled = false;
    h.platform.setTimerRunning(TimerId::Timer2, false);
    h.game.dealcards();
    EXPECT_TRUE(h.s().Timer2.Enabled);
    EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer2));
    EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer1));
}

TEST(Deal, EachNewGameHandsTheOpeningToTheOtherSide)
{
    GameHarness h;
    EXPECT_EQ(h.s().lStatus.Caption, kYourTurn);
    h.game.PushButton1_Click();
    EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
    h.game.PushButton1_Click();
    EXPECT_EQ(h.s().lStatus.Caption, kYourTurn);
}

} // namespace
} // namespace pipstone::test
