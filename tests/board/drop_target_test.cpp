#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace pipstone::test {
namespace {

// Where each region ends, for the mark and the drop alike, is one table in
// placement_test.cpp.
TEST(DropTarget, TheMarkFollowsTheDragAndGoesWithTheRelease)
{
    GameHarness h;
    h.platform.press(h.centreX(22), h.centreY(22));
    EXPECT_EQ(h.s().aids.dropMark, std::nullopt) << "still in the row";
    h.platform.move(3100, 2100);
    EXPECT_EQ(h.s().aids.dropMark, DropTarget{.opening = true});
    h.platform.release(3100, 2100);
    EXPECT_EQ(h.s().aids.dropMark, std::nullopt);
    EXPECT_EQ(h.s().aids.refusals, 0) << "the opening tile was laid";
}

} // namespace
} // namespace pipstone::test
