// While the player thinks, each timer's tick finds the game as its last tick
// left it; the game leaves such ticks out until something happens.

#include "support/random_player.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pipstone::test {

namespace {

// The ticks the game ran in `ms` of clock.
std::uint64_t ticksIn(GameHarness &h, std::int64_t ms)
{
    const auto ticks = [&h] { return h.game.activity().ticksRun(); };
    const std::uint64_t before = ticks();
    h.advance(ms);
    return ticks() - before;
}

TEST(StillTicks, AnIdleGameTicksAgainOnlyAfterAnEvent)
{
    GameHarness h;
    ASSERT_TRUE(h.untilPlayersTurn());
    ticksIn(h, 300); // the ticks that settle the deal
    ASSERT_EQ(ticksIn(h, 2000), 0u) << "twenty ticks of each timer that would change nothing";

    struct Wake {
        const char *what;
        std::function<void(GameHarness &)> happen;
    };
    const Wake wakes[] = {
        {"the mouse moving over the board", [](GameHarness &g) { g.platform.move(6000, 4000, 0); }},
        {"a key choosing a tile", [](GameHarness &g) { g.platform.keyPress(Key::Right); }},
        {"the mouse over a button", [](GameHarness &g) { g.platform.hover(ButtonId::CheatComp); }},
        {"a write to the state from outside the game", [](GameHarness &g) { g.s().max = "0"; }},
    };
    for (const Wake &wake : wakes) {
        wake.happen(h);
        EXPECT_GE(ticksIn(h, 100), 2u) << "after " << wake.what << ", both timers tick again";
        ticksIn(h, 300);
        EXPECT_EQ(ticksIn(h, 1000), 0u) << "and stop again after " << wake.what;
    }
}

// A field no stamp watches, changed from outside: the next periodic check
// still sees it.
TEST(StillTicks, AHandEndedFromOutsideIsScoredAtTheNextTick)
{
    GameHarness h;
    ASSERT_TRUE(h.untilPlayersTurn());
    h.advance(1000);
    const std::size_t boxes = h.platform.boxes.size();
    h.s().endflag = 1;
    h.advance(100);
    EXPECT_GT(h.platform.boxes.size(), boxes) << "the end of the hand shows its result";
}

// Seeded matches play exactly the same whether idle ticks are left out or a
// look at the state for writing before every pass of the loop makes every
// tick run: the same moves and waits, boxes, happenings and final state.
TEST(StillTicks, LeavingThemOutChangesNoMatch)
{
    std::uint64_t workLeavingOut = 0, workRunningAll = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        RandomPlayer leaving(seed), running(seed);
        running.harness.platform.watchEventProcessing([&running] { running.harness.game.state(); });
        for (RandomPlayer *player : {&leaving, &running}) {
            player->checkInvariants = false;
            player->keepLog = true;
            ASSERT_EQ(player->playMatch(), std::vector<std::string>{}) << "seed " << seed;
        }
        const auto boxes = [](const RandomPlayer &p) {
            std::vector<std::string> seen;
            for (const auto &box : p.harness.platform.boxes)
                seen.push_back(std::to_string(box.openedAt) + " " + box.text);
            return seen;
        };
        ASSERT_EQ(leaving.actions, running.actions) << "seed " << seed;
        ASSERT_EQ(boxes(leaving), boxes(running)) << "seed " << seed;
        ASSERT_EQ(leaving.harness.platform.happenings, running.harness.platform.happenings) << "seed " << seed;
        ASSERT_EQ(snapshot(leaving.harness.view()), snapshot(running.harness.view())) << "seed " << seed;
        workLeavingOut += leaving.harness.game.activity().ticksRun();
        workRunningAll += running.harness.game.activity().ticksRun();
    }
    EXPECT_LT(workLeavingOut, workRunningAll) << "some ticks were left out";
}

} // namespace

} // namespace pipstone::test
