#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace pipstone::test {
namespace {

// Where each region ends, for the mark and the drop alike, is one table in
// placement_test.cpp.
TEST(DropTarget, TheMarkFollowsTheDragAndGoesWithTheReleaseOrANewHand)
{
    GameHarness h;
    h.platform.press(h.centreX(22), h.centreY(22));
    EXPECT_EQ(h.s().aids.dropMark, std::nullopt) << "still in the row";
    h.platform.move(3100, 2100);
    EXPECT_EQ(h.s().aids.dropMark, DropTarget{.opening = true});
    h.platform.release(3100, 2100);
    EXPECT_EQ(h.s().aids.dropMark, std::nullopt);
    EXPECT_EQ(h.s().aids.refusals, 0) << "the opening tile was laid";

    GameHarness again;
    again.platform.press(again.centreX(22), again.centreY(22));
    again.platform.move(3100, 2100);
    again.platform.keyPress(Key::CtrlN);
    EXPECT_EQ(again.s().aids.dropMark, std::nullopt);
}

} // namespace
} // namespace pipstone::test
