#include "support/game_harness.h"
#include "support/invariants.h"

#include <gtest/gtest.h>

#include <vector>

namespace pipstone::test {
namespace {

// No bare key deals a hand or ends the program; the chords and F1 do what
// their buttons and the close box do, G presses Get Card (the dealt row holds
// no blank, so at the opening it may draw; switched off, it takes no press),
// C shows the computer's hand, and
// Up and Down with no tile chosen yet open with the first tile of the row.
TEST(Keyboard, EachKeyDoesWhatItsButtonDoesAndNothingElse)
{
    const struct {
        Key key;
        const char *mturnAfter;
        const char *pnoAfter;
        bool cheatShown;
        bool closed;
        int helpPages;
        bool getCardOff = false;
    } cases[] = {
        {Key::Left, "1", "7", false, false, 0},  {Key::Right, "1", "7", false, false, 0},
        {Key::Home, "1", "7", false, false, 0},  {Key::End, "1", "7", false, false, 0},
        {Key::Up, "1", "6", false, false, 0},    {Key::Down, "1", "6", false, false, 0},
        {Key::G, "1", "8", false, false, 0},     {Key::C, "1", "7", true, false, 0},
        {Key::F1, "1", "7", false, false, 1},    {Key::CtrlN, "2", "7", false, false, 0},
        {Key::CtrlQ, "1", "7", false, true, 0},  {Key::G, "1", "7", false, false, 0, true},
    };
    for (const auto &d : cases) {
        SCOPED_TRACE(static_cast<int>(d.key));
        GameHarness h;
        bool cheatShown = false;
        h.platform.lookAt(h.platform.tickCount() + 500, [&] { cheatShown = h.s().Showcomppic == 1; });
        if (d.getCardOff)
            h.s().PushButton3.Enabled = false;
        h.platform.keyPress(d.key);
        h.advance(1500);
        EXPECT_EQ(h.s().mturn, d.mturnAfter);
        EXPECT_EQ(h.s().pno, d.pnoAfter);
        EXPECT_EQ(cheatShown, d.cheatShown);
        EXPECT_EQ(h.game.closed(), d.closed);
        EXPECT_EQ(h.platform.quitRequested, d.closed);
        EXPECT_EQ(h.platform.helpPagesOpened, d.helpPages);
    }
}

// Left, Right, Home and End move the frame along the row and stop at its
// ends; the first key only shows the frame, on the tile it names.
TEST(Keyboard, TheArrowsHomeAndEndChooseAlongTheRow)
{
    const struct {
        std::vector<Key> keys;
        int chosen;
    } cases[] = {
        {{Key::Right}, 0},
        {{Key::Left}, 0},
        {{Key::End}, 6},
        {{Key::Right, Key::Right, Key::Right}, 2},
        {{Key::End, Key::Left, Key::Left}, 4},
        {{Key::End, Key::Right}, 6},
        {{Key::End, Key::Home}, 0},
        {{Key::Home, Key::Left}, 0},
        {{Key::End, Key::Home, Key::Right}, 1},
    };
    for (const auto &c : cases) {
        GameHarness h;
        for (Key key : c.keys)
            h.platform.keyPress(key);
        EXPECT_EQ(h.s().aids.chosen, c.chosen) << testing::PrintToString(c.keys.size()) << " keys, first "
                                               << static_cast<int>(c.keys.front());
    }
}

// The view comes down after its second, or when a new hand cuts it short,
// and the next press shows it again.
TEST(Keyboard, CShowsTheComputersHandAgainOnceTheViewIsDown)
{
    GameHarness h;
    const auto viewShown = [&h] { // C pressed now, and a look half a second into the view
        bool shown = false;
        h.platform.lookAt(h.platform.tickCount() + 500, [&] { shown = h.s().Showcomppic == 1; });
        h.platform.keyPress(Key::C);
        return shown;
    };
    EXPECT_TRUE(viewShown());
    EXPECT_TRUE(viewShown()) << "again after its second";
    h.platform.lookAt(h.platform.tickCount() + 700, [&] { h.platform.keyPress(Key::CtrlN); });
    EXPECT_TRUE(viewShown());
    ASSERT_TRUE(h.untilPlayersTurn());
    EXPECT_TRUE(viewShown()) << "again after a new hand cut it short";
    EXPECT_EQ(h.s().Showcomppic, 0);
}

int rowSlot(GameHarness &h, int place)
{
    int found = 0;
    for (int i = 1; i <= kSlots; ++i)
        if (h.s().lcard[i].Top >= 7500 && h.s().lcard[i].Left == 1350 + 480.0f * place)
            found = i;
    return found;
}

// Up and Down take the chosen tile along the mouse's path: the opening tile
// lies in the middle, a tile sent to an end it does not fit comes back with
// a flash, and the end it fits takes it.
TEST(Keyboard, UpAndDownPlayTheChosenTileByTheDragsPath)
{
    GameHarness h;
    InvariantChecker invariants;
    h.platform.keyPress(Key::Down); // [3|6], first of the row, opens
    EXPECT_EQ(h.s().lcard[22].Left, 6025);
    EXPECT_EQ(h.s().lcard[22].Top, 4000);
    EXPECT_EQ(h.s().aids.chosen, 0);
    EXPECT_EQ(invariants.check(h.game, h.platform), std::vector<std::string>{});

    // The computer answers [3|5] on the left end: ends 5 and 6. The row is
    // 44 45 46 55 56 66.
    ASSERT_TRUE(h.untilPlayersTurn());
    ASSERT_EQ(h.s().cu + h.s().cd, "56");
    h.platform.keyPress(Key::End);
    h.platform.keyPress(Key::Left);
    h.platform.keyPress(Key::Left);
    h.platform.keyPress(Key::Left);
    h.platform.keyPress(Key::Right);
    const int slot = rowSlot(h, 4); // [5|5], fourth of six
    ASSERT_EQ(h.s().lcard[slot].Tag + h.s().rcard[slot].Tag, "55");
    h.platform.keyPress(Key::Down);
    EXPECT_EQ(rowSlot(h, 4), slot) << "refused at the right end, back in its place";
    EXPECT_EQ(h.s().aids.refusals, 1);
    EXPECT_EQ(h.s().aids.refusedSlot, slot);
    EXPECT_EQ(h.s().pno, "6");
    h.platform.keyPress(Key::Up);
    EXPECT_EQ(h.s().first[2], "2");
    EXPECT_EQ(h.s().pno, "5");
    EXPECT_EQ(h.s().lStatus.Caption, kComputerTurn);
    EXPECT_EQ(invariants.check(h.game, h.platform), std::vector<std::string>{});
}

// A key play is a press and a release: while the computer's move runs (a
// step) it does nothing at all, like a press on a tile.
TEST(Keyboard, AKeyPlayDuringTheComputersMoveDoesNothing)
{
    GameHarness h;
    h.platform.keyPress(Key::Up);
    ASSERT_EQ(h.s().lStatus.Caption, kComputerTurn);
    bool sawFlight = false;
    for (int t = 150; t < 3000; t += 7)
        h.platform.lookAt(h.platform.tickCount() + t, [&] {
            if (h.s().Cover.Visible) {
                sawFlight = true;
                h.platform.keyPress(Key::Down);
                h.platform.keyPress(Key::Up);
            }
        });
    ASSERT_TRUE(h.untilPlayersTurn());
    h.advance(1000);
    EXPECT_TRUE(sawFlight);
    EXPECT_EQ(h.s().pno, "6");
    EXPECT_EQ(h.s().aids.refusals, 0);
}

// A key play pressed while a tick counts waits for the tick's end, as a
// press on a tile does, and then plays.
TEST(Keyboard, AKeyPlayInsideATickPlaysWhenTheTickEnds)
{
    GameHarness h;
    bool pressed = false;
    h.platform.watchEventProcessing([&] {
        const auto &activity = h.game.activity();
        if (!pressed && activity.busy() && !activity.inStep()) {
            pressed = true;
            h.platform.keyPress(Key::Down); // opens with the first tile of the row
        }
    });
    h.advance(300);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(h.s().pno, "6");
    EXPECT_EQ(h.s().lcard[22].Top, 4000);
}

// A mouse button held down on the window keeps the tiles for the mouse: Up and
// Down play nothing until it is let go.
TEST(Keyboard, NoKeyPlayWhileAMouseButtonIsDown)
{
    GameHarness h;
    h.platform.press(3000, 5000); // on the board, no tile under it
    h.platform.keyPress(Key::Down);
    EXPECT_EQ(h.s().pno, "7");
    h.platform.release(3000, 5000);
    h.platform.keyPress(Key::Down);
    EXPECT_EQ(h.s().pno, "6");
}

} // namespace
} // namespace pipstone::test
