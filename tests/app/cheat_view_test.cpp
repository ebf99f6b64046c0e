// own
#include "support/game_harness.h"

#include <gtest/gtest.h>

namespace pipstone::test {
namespace {

bool faceUp(const GameState &s, int slot)
{
    return s.lcard[slot].picture == readInt(s.lcard[slot].Tag) + 1
           && s.rcard[slot].picture == readInt(s.rcard[slot].Tag) + 1;
}

bool faceDown(const GameState &s, int slot)
{
    return s.lcard[slot].picture == 8 && s.rcard[slot].picture == 8;
}

// Everything but the pictures.
bool samePlaces(const GameState &a, const GameState &b)
{
    for (int i = 1; i <= kSlots; ++i)
        for (auto half : {&GameState::lcard, &GameState::rcard}) {
            const Picture &x = (a.*half)[i], &y = (b.*half)[i];
            if (x.Left != y.Left || x.Top != y.Top || x.Enabled != y.Enabled || x.Visible != y.Visible || x.Tag != y.Tag)
                return false;
        }
    return a.pno == b.pno && a.cno == b.cno && a.pull == b.pull && a.List1 == b.List1;
}

TEST(CheatView, ShowsTheComputersTilesForASecondDrawnOnesIncluded)
{
    GameHarness h;
    // The computer draws before it can answer [0|0]: no blank in its hand or on top of the stock.
    h.putTile(22, "00");
    h.putTile(1, "11");
    h.putTile(2, "12");
    h.putTile(3, "01");
    h.dragTo(22, 6000, 3000);
    h.advance(8000);
    ASSERT_GE(h.s().cextra, 1);
    const GameState before = h.s();
    GameState during;
    const std::int64_t pressed = h.platform.tickCount();
    h.platform.lookAt(pressed + 500, [&] { during = h.s(); });
    h.click(ButtonId::CheatComp);
    const GameState after = h.s();
    ASSERT_EQ(before.List1.size(), 7u + before.cextra - 1);
    for (const std::string &item : before.List1) {
        EXPECT_TRUE(faceUp(during, readInt(item))) << item;
        EXPECT_TRUE(faceDown(after, readInt(item))) << item;
    }
    EXPECT_TRUE(samePlaces(before, during));
    EXPECT_TRUE(samePlaces(before, after));
    EXPECT_EQ(during.Showcomppic, 1);
    EXPECT_EQ(after.Showcomppic, 0);
    EXPECT_EQ(h.platform.tickCount() - pressed, 1000);
}

TEST(CheatView, TurnsExactlyTheListedTiles)
{
    GameHarness h;
    h.s().List1 = {"15", "03", "21"};
    h.game.setShowcomppic(1);
    for (int slot = 1; slot <= kSlots; ++slot)
        EXPECT_EQ(faceUp(h.s(), slot), slot == 15 || slot == 3 || slot >= 21) << slot;
    h.game.setShowcomppic(0);
    for (int slot : {15, 3, 21})
        EXPECT_TRUE(faceDown(h.s(), slot)) << slot;
    EXPECT_TRUE(faceUp(h.s(), 22)); // the player's own tiles keep their faces
}

} // namespace
} // namespace pipstone::test
