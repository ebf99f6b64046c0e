// The cheat view shows the computer's hand face up for a second, and changes
// nothing but pictures.

// own
#include "support/game_harness.h"
#include "tiles/pictures.h"

#include <gtest/gtest.h>

namespace pipstone::test {

namespace {

bool faceUp(const GameState &s, int slot)
{
    return s.lcard[slot].picture == uprightFace(readInt(s.lcard[slot].Tag))
           && s.rcard[slot].picture == uprightFace(readInt(s.rcard[slot].Tag));
}

bool faceDown(const GameState &s, int slot)
{
    return s.lcard[slot].picture == kBackPicture && s.rcard[slot].picture == kBackPicture;
}

// Everything of a slot but its pictures.
bool samePlaces(const GameState &a, const GameState &b)
{
    for (int i = 1; i <= kSlots; ++i) {
        for (auto half : {&GameState::lcard, &GameState::rcard}) {
            const Picture &x = (a.*half)[i], &y = (b.*half)[i];
            if (x.Left != y.Left || x.Top != y.Top || x.Enabled != y.Enabled || x.Visible != y.Visible || x.Tag != y.Tag)
                return false;
        }
    }
    return a.pno == b.pno && a.cno == b.cno && a.pull == b.pull && a.List1 == b.List1;
}

} // namespace

TEST(CheatView, ShowsTheComputersTilesForASecondDrawnOnesIncluded)
{
    GameHarness h;
    // The computer draws twice before it can answer [0|0]: give it a hand
    // without a blank, and the stock's first two tiles without one either.
    h.putTile(22, "00");
    h.putTile(1, "11");
    h.putTile(2, "12");
    h.putTile(3, "01");
    h.dragTo(22, 6000, 3000);
    h.platform.advance(8000);
    ASSERT_GE(h.s().cextra, 1);
    const GameState before = h.s();

    GameState during;
    const std::int64_t pressed = h.platform.tickCount();
    h.platform.lookAt(pressed + 500, [&] { during = h.s(); });
    h.click(ButtonId::CheatComp);
    const GameState after = h.s();

    ASSERT_EQ(before.List1.size(), 7u + before.cextra - 1);
    for (const std::string &item : before.List1) {
        const int slot = readInt(item);
        EXPECT_TRUE(faceUp(during, slot)) << slot;
        EXPECT_TRUE(faceDown(after, slot)) << slot;
    }
    EXPECT_TRUE(samePlaces(before, during));
    EXPECT_TRUE(samePlaces(before, after));
    EXPECT_EQ(during.Showcomppic, 1);
    EXPECT_EQ(after.Showcomppic, 0);
    EXPECT_GE(h.platform.tickCount() - pressed, 1000);
}

TEST(CheatView, TurnsExactlyTheListedTiles)
{
    GameHarness h;
    GameState &s = h.s();
    s.List1 = {"15", "03", "21"};
    h.game.setShowcomppic(1);
    for (int slot = 1; slot <= kSlots; ++slot) {
        const bool listed = slot == 15 || slot == 3 || slot == 21;
        EXPECT_EQ(faceUp(s, slot), listed || slot >= 22) << slot;
    }
    h.game.setShowcomppic(0);
    for (int slot : {15, 3, 21})
        EXPECT_TRUE(faceDown(s, slot)) << slot;
    EXPECT_TRUE(faceUp(s, 22)); // the player's own tiles keep their faces
}

} // namespace pipstone::test
