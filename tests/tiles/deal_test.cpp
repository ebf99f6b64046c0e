#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace pipstone::test {
namespace {

const std::vector<std::string> kDealtList{"15", "16", "17", "18", "19", "20", "21"};

TEST(Deal, LaysOutTheStockAndBothHandsAndFillsTheLists)
{
    GameHarness h;
    const GameState &s = h.s();
    for (int i = 1; i <= kSlots; ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        const Picture &first = s.lcard[i], &second = s.rcard[i];
        EXPECT_TRUE(first.Visible && second.Visible);
        EXPECT_EQ(first.Width, 405);
        const bool stock = i <= 14, player = i >= 22;
        const float rowLeft = 1350 + 485.0f * static_cast<float>(i - (player ? 21 : 14));
        const float stockTop = 650 + 435.0f * static_cast<float>(i);
        EXPECT_EQ(std::make_tuple(first.Left, first.Top, second.Left, second.Top),
                  stock ? std::make_tuple(540.f, stockTop, 120.f, stockTop)
                        : std::make_tuple(rowLeft, player ? 7675.f : 60.f, rowLeft, player ? 8095.f : 480.f));
        EXPECT_EQ(s.cardrot[i], stock ? 2 : 1);
        EXPECT_EQ((std::pair<int, int>(first.picture, second.picture)),
                  player ? std::make_pair(std::stoi(first.Tag) + 1, std::stoi(second.Tag) + 1) : std::make_pair(8, 8));
        EXPECT_EQ(first.Enabled && second.Enabled, player);
    }
    EXPECT_FALSE(s.lcard[0].Visible || s.rcard[0].Visible);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(s.chand[k], 14 + k);
        EXPECT_EQ(s.phand[k], 21 + k);
    }
    EXPECT_EQ(s.List1, kDealtList);
    EXPECT_EQ(s.pno + s.cno + s.pull + toText(s.pextra + s.cextra), "7700");
}

TEST(Deal, EntriesPastTheSeventhAreClearedAfterDrawsInAnEarlierHand)
{
    GameHarness h; // without a shuffle the player holds no blank and may draw at once
    h.advance(100);
    h.click(ButtonId::GetCard);
    ASSERT_TRUE(h.platform.advanceUntil([&] { return h.s().pextra >= 1 && !h.game.activity().busy(); }, 10000));
    ASSERT_EQ(h.s().phand[8], 1);
    h.s().chand[8] = 2;
    h.s().chand[9] = 3;
    h.s().List1 = {"03", "15"};
    h.s().pno = "9";
    h.s().pull = "5";
    h.game.PushButton1_Click();
    for (int k = 8; k <= kSlots; ++k)
        EXPECT_EQ(h.s().phand[k] + h.s().chand[k], 0) << k;
    EXPECT_EQ(h.s().pextra, 0);
    EXPECT_EQ(h.s().List1, kDealtList);
    EXPECT_EQ(h.s().pno + h.s().pull, "70");
}

TEST(Deal, TheOpenerFollowsMturnAndTheDealStartsTheTimers)
{
    const std::pair<const char *, const char *> cases[] = {{"1", "Status: Your Turn"}, {"2", "Status: Computer1"},
                                                           {"", "Status"},  {"3", "Status"},
                                                           {"01", "Status"}, {" 1", "Status"}};
    for (const auto &[mturn, status] : cases) {
        SCOPED_TRACE(std::string("mturn \"") + mturn + '"');
        GameHarness h(nullptr, /*load=*/false);
        h.s().mturn = mturn;
        h.s().Timer2.Enabled = false;
        h.platform.setTimerRunning(TimerId::Timer2, false);
        h.game.dealcards();
        EXPECT_EQ(h.s().lStatus.Caption, status);
        EXPECT_EQ(h.s().lStatus.Top, 1065) << "the deal does not move the label";
        EXPECT_TRUE(h.s().Timer2.Enabled && h.platform.timerRunning(TimerId::Timer2));
        EXPECT_TRUE(h.platform.timerRunning(TimerId::Timer1));
    }
}

} // namespace
} // namespace pipstone::test
