#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <optional>

namespace pipstone::test {
namespace {

// The mark of a held tile names exactly the place a release there fills: the
// region edges of the placement, the hand line of the release, the match with
// the end, the arm's next cell, the opening spot before the first tile.
TEST(DropTarget, FollowsTheRegionsAtTheirEdgesAndTheMatch)
{
    const std::optional<DropTarget> none;
    const DropTarget opening{.opening = true};
    const auto left = [](int k) { return DropTarget{.arm = Arm::Left, .cell = k}; };
    const auto right = [](int k) { return DropTarget{.arm = Arm::Right, .cell = k}; };
    const struct {
        const char *tile, *first0, *rightCells; // with cu 4, cd 6
        float left, top;
        std::optional<DropTarget> mark;
    } cases[] = {
        {"46", "1", "0", 1081, 1001, left(0)},  {"46", "1", "0", 1080, 2000, none},
        {"46", "1", "0", 3000, 1000, none},     {"46", "1", "0", 5999, 4550, left(0)},
        {"46", "1", "0", 5999, 4551, right(0)}, {"46", "1", "0", 6000, 3999, left(0)},
        {"46", "1", "0", 6000, 4000, none},     {"46", "1", "0", 6900, 4450, none},
        {"46", "1", "0", 6900, 4451, right(0)}, {"46", "1", "0", 6901, 4000, right(0)},
        {"46", "1", "0", 3000, 7100, right(0)}, {"46", "1", "0", 3000, 7101, none},
        {"36", "1", "0", 3000, 2000, none},     {"36", "1", "5", 3000, 5000, right(5)},
        {"12", "0", "0", 500, 500, opening},    {"12", "0", "0", 3000, 7101, none},
    };
    for (const auto &d : cases) {
        SCOPED_TRACE(testing::Message() << d.tile << " at " << d.left << "," << d.top);
        GameHarness h;
        h.putTile(22, d.tile);
        h.s().first = {d.first0, d.rightCells, "0"};
        h.s().cu = "4";
        h.s().cd = "6";
        EXPECT_EQ(h.game.dropTargetAt(22, d.left, d.top), d.mark);
        h.s().lStatus.Caption = kComputerTurn;
        EXPECT_EQ(h.game.dropTargetAt(22, d.left, d.top), none) << "a drop on the computer's turn comes back";
    }
}

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
