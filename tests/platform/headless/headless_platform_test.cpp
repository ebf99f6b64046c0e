// The headless toolkit is what every storm and simulation stands on: input
// must reach the game as a desktop toolkit routes it, at the moment it was
// posted for, and the timers and waits must keep the real toolkit's rhythm.
#include "platform/headless/headless_platform.h"
#include "state/game_state.h"
#include "support/event_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pipstone::test {
namespace {

// Three buttons side by side at the top; Get Card can be switched off.
struct Desk {
    Desk()
    {
        PushButton *buttons[] = {&state.PushButton1, &state.PushButton2, &state.PushButton3};
        for (int i = 0; i < 3; ++i) {
            buttons[i]->Left = 1000.0f * i;
            buttons[i]->Top = 0;
            buttons[i]->Width = buttons[i]->Height = 500;
        }
        platform.attach(&log, &state);
    }
    GameState state;
    HeadlessPlatform platform;
    EventLog log{platform};
};

// Mouse input goes where a desktop toolkit sends it: a push button takes a
// press on it and clicks only when the left button comes up on it again and
// it is enabled; everything else reaches the painted board.
TEST(HeadlessToolkit, RoutesTheMouseAsTheWindowSystemDoes)
{
    using Kind = HeadlessPlatform::Input::Kind;
    struct Step {
        Kind kind;
        float x, y;
        int button;
    };
    const struct {
        const char *what;
        bool getCardEnabled;
        std::vector<Step> steps;
        std::vector<std::string> events;
    } cases[] = {
        {"a click on a button", true, {{Kind::Press, 2100, 100, 1}, {Kind::Release, 2200, 200, 1}}, {"click GetCard"}},
        {"let go off the button", true, {{Kind::Press, 2100, 100, 1}, {Kind::Release, 2600, 100, 1}}, {}},
        {"let go on another button", true, {{Kind::Press, 2100, 100, 1}, {Kind::Release, 100, 100, 1}}, {}},
        {"a button's left and top edges are on it", true,
         {{Kind::Press, 2000, 0, 1}, {Kind::Release, 2000, 0, 1}}, {"click GetCard"}},
        {"its right and bottom edges are not", true,
         {{Kind::Press, 2500, 100, 1}, {Kind::Release, 2500, 100, 1}, {Kind::Press, 2100, 500, 1},
          {Kind::Release, 2100, 500, 1}},
         {"down 2500,100 1", "up 2500,100 1", "down 2100,500 1", "up 2100,500 1"}},
        {"a disabled button", false, {{Kind::Press, 2100, 100, 1}, {Kind::Release, 2100, 100, 1}}, {}},
        {"the right button", true, {{Kind::Press, 1100, 100, 2}, {Kind::Release, 1100, 100, 2}}, {}},
        {"a button holds its press", true,
         {{Kind::Press, 100, 100, 1}, {Kind::Move, 3000, 3000, 1}, {Kind::Release, 3000, 3000, 1}}, {}},
        {"a drag on the board", true,
         {{Kind::Press, 3000, 3000, 1}, {Kind::Move, 3100, 3200, 1}, {Kind::Release, 3100, 3200, 1}},
         {"down 3000,3000 1", "move 3100,3200 1", "up 3100,3200 1"}},
        {"a drag over a button stays on the board", true,
         {{Kind::Press, 3000, 3000, 1}, {Kind::Move, 100, 100, 1}, {Kind::Release, 100, 100, 1}},
         {"down 3000,3000 1", "move 100,100 1", "up 100,100 1"}},
        {"a second button joins the drag", true,
         {{Kind::Press, 3000, 3000, 1}, {Kind::Press, 3000, 3000, 2}, {Kind::Move, 3050, 3000, 0},
          {Kind::Release, 3050, 3000, 2}, {Kind::Release, 3050, 3000, 1}},
         {"down 3000,3000 1", "down 3000,3000 2", "move 3050,3000 3", "up 3050,3000 2", "up 3050,3000 1"}},
        {"moving with no button held", true, {{Kind::Move, 1100, 100, 0}, {Kind::Move, 3000, 3000, 0}},
         {"hover CheatComp", "move 3000,3000 0"}},
        {"a release with nothing held", true, {{Kind::Release, 3000, 3000, 1}}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Desk desk;
        desk.state.PushButton3.Enabled = c.getCardEnabled;
        for (const Step &step : c.steps) {
            if (step.kind == Kind::Press)
                desk.platform.press(step.x, step.y, step.button);
            else if (step.kind == Kind::Move)
                desk.platform.move(step.x, step.y, step.button);
            else
                desk.platform.release(step.x, step.y, step.button);
        }
        EXPECT_EQ(desk.log.events, c.events);
        EXPECT_EQ(desk.platform.buttonsDown(), 0);
    }
}

// Input posted for later arrives at its moment, in the order it was posted,
// also inside a wait; the timers tick every 100 ms from when they were
// switched on, and a wait ends at the first thing it handles.
TEST(HeadlessToolkit, DeliversInputAndTicksAtTheirMomentsInsideWaits)
{
    using Kind = HeadlessPlatform::Input::Kind;
    Desk desk;
    desk.log.withTimes = true;
    desk.platform.advance(30);
    desk.platform.setTimerRunning(TimerId::Timer1, true); // ticks at 130, 230, ...
    desk.platform.post({Kind::Press, 3000, 3000, 1, 0, ButtonId::NewGame, 170, {}});
    desk.platform.lookAt(170, [] {}); // a test's look, with the button down, is no input
    desk.platform.post({Kind::Close, 0, 0, 0, 0, ButtonId::NewGame, 250, {}});
    desk.platform.post({Kind::Release, 3000, 3000, 1, 0, ButtonId::NewGame, 170, {}});
    desk.platform.waitForEvents(1000);
    EXPECT_EQ(desk.platform.tickCount(), 130);
    desk.platform.waitForEvents(150.2); // a fraction of a millisecond is waited whole
    EXPECT_EQ(desk.platform.tickCount(), 151);
    desk.platform.setTimerRunning(TimerId::Timer1, true); // already running: it keeps its rhythm
    desk.platform.advance(149);
    desk.platform.setTimerRunning(TimerId::Timer1, false);
    desk.platform.advance(500);
    const std::vector<std::string> expected{"130 tick1", "170 down 3000,3000 1", "170 up 3000,3000 1",
                                            "230 tick1", "250 close"};
    EXPECT_EQ(desk.log.events, expected);
    EXPECT_EQ(desk.platform.tickCount(), 800);

    // Waiting for something that never comes lets at least the whole limit pass.
    desk.platform.advanceUntil([] { return false; }, 21, 10);
    EXPECT_EQ(desk.platform.tickCount(), 830);
    desk.platform.advanceUntil([] { return false; }, 20, 10);
    EXPECT_EQ(desk.platform.tickCount(), 850);
    // Running the world for no time at all still hands over what is due now.
    desk.log.events.clear();
    desk.platform.post({Kind::Close, 0, 0, 0, 0, ButtonId::NewGame, 850, {}});
    desk.platform.advance(0);
    EXPECT_EQ(desk.log.events, std::vector<std::string>{"850 close"});
    // Once the program quits, a wait runs out at once and nothing ticks in it.
    desk.platform.quit();
    desk.platform.setTimerRunning(TimerId::Timer2, true);
    desk.platform.waitForEvents(2000);
    EXPECT_EQ(desk.platform.tickCount(), 2000);
    EXPECT_EQ(desk.log.events.size(), 1u);
}

// Input the user gives now waits its turn: behind input already due at that
// moment, and after the window system's side of the call that hands it over.
TEST(HeadlessToolkit, InputGivenNowWaitsItsTurn)
{
    using Kind = HeadlessPlatform::Input::Kind;
    Desk queued;
    queued.platform.lookAt(100, [&] { queued.platform.move(3100, 3000, 0); });
    queued.platform.post({Kind::Hover, 0, 0, 0, 0, ButtonId::CheatComp, 100, {}});
    queued.platform.advance(100);
    EXPECT_EQ(queued.log.events, (std::vector<std::string>{"hover CheatComp", "move 3100,3000 0"}));

    Desk watched;
    watched.platform.watchEventProcessing([&] { watched.log.events.push_back("watch"); });
    watched.platform.move(3100, 3000, 0);
    EXPECT_EQ(watched.log.events, (std::vector<std::string>{"watch", "move 3100,3000 0"}));
}

// A modal box keeps the mouse, the buttons and the keys from the window for as
// long as it is open while time runs on; a close still gets through.
TEST(HeadlessToolkit, AnOpenBoxTakesNoInputButAClose)
{
    using Kind = HeadlessPlatform::Input::Kind;
    Desk desk;
    desk.log.withTimes = true;
    desk.platform.boxDelay = [](const HeadlessPlatform::MessageBoxRecord &) { return 400; };
    desk.platform.setTimerRunning(TimerId::Timer2, true);
    desk.platform.post({Kind::Press, 3000, 3000, 1, 0, ButtonId::NewGame, 50, {}});
    desk.platform.post({Kind::Click, 0, 0, 1, 0, ButtonId::GetCard, 60, {}});
    desk.platform.post({Kind::Hover, 0, 0, 0, 0, ButtonId::NewGame, 70, {}});
    desk.platform.lookAt(80, [&] { desk.platform.keyPress(Key::C); });
    desk.platform.post({Kind::Close, 0, 0, 0, 0, ButtonId::NewGame, 350, {}});
    desk.platform.post({Kind::Click, 0, 0, 1, 0, ButtonId::GetCard, 450, {}});
    desk.platform.messageBox("Line", "Title");
    EXPECT_EQ(desk.platform.tickCount(), 400);
    EXPECT_EQ(desk.platform.openBoxes, 0);
    desk.platform.keyPress(Key::G);
    desk.platform.advance(100);
    const std::vector<std::string> expected{"100 tick2", "200 tick2", "300 tick2", "350 close",
                                            "400 tick2", "400 key",   "450 click GetCard", "500 tick2"};
    EXPECT_EQ(desk.log.events, expected);
    ASSERT_EQ(desk.platform.boxes.size(), 1u);
    EXPECT_EQ(desk.platform.boxes[0].openedAt, 0);

    // Unless told otherwise the user answers at once; a click reaches only
    // an enabled button.
    desk.log.events.clear();
    desk.platform.boxDelay = nullptr;
    desk.platform.setTimerRunning(TimerId::Timer2, false);
    desk.platform.messageBox("Line", "Title");
    desk.state.PushButton3.Enabled = false;
    desk.platform.click(ButtonId::GetCard);
    desk.platform.click(ButtonId::CheatComp);
    EXPECT_EQ(desk.log.events, std::vector<std::string>{"500 click CheatComp"});
}

} // namespace
} // namespace pipstone::test
