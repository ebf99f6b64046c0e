#include "support/game_harness.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace pipstone::test {
namespace {

// Notes what the game asks of the toolkit during start-up, and whether the
// window was dealt and captioned by then.
class StartupRecorder : public HeadlessPlatform {
public:
    void attach(PlatformEvents *events, const GameState *state) override
    {
        HeadlessPlatform::attach(events, state);
        if (state)
            seen_ = state;
    }
    void applySkin(const std::string &path) override { note("skin"), HeadlessPlatform::applySkin(path); }
    void centerWindow() override { note("centre"), HeadlessPlatform::centerWindow(); }
    bool loadPointer(const std::string &path) override { return note("pointer"), HeadlessPlatform::loadPointer(path); }
    void openHelpPage() override { note("page"), HeadlessPlatform::openHelpPage(); }
    std::vector<std::string> calls;

private:
    void note(const std::string &what)
    {
        calls.push_back(what + (seen_->lcard[28].exists ? " dealt" : "") + (seen_->caption.empty() ? "" : " captioned"));
    }
    const GameState *seen_ = nullptr;
};

// A script that leaves the shuffle alone and then draws `startupDraw`.
std::unique_ptr<ScriptedRandom> startingWith(double startupDraw)
{
    std::deque<double> script(2 * kSlots, 0.0);
    script.push_back(startupDraw);
    return std::make_unique<ScriptedRandom>(script);
}

TEST(Startup, DealsBeforeTheWindowShowsAndCaptionsIt)
{
    StartupRecorder platform;
    platform.files = {"HAND-M.CUR", "x/o.cjs"};
    GameWindow game(platform, startingWith(0.065));
    game.Form_Load();
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"skin", "centre dealt", "pointer dealt", "page dealt"}));
    EXPECT_EQ(game.state().caption, "Pipstone");
    EXPECT_EQ(game.state().lStatus.Caption, kYourTurn);
    EXPECT_EQ(game.state().lStatus.Top, 1065);
    EXPECT_EQ(platform.centred, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST(Startup, OptionalFilesAreUsedWhenPresentAndSkippedWhenNot)
{
    const struct {
        std::set<std::string> files;
        bool pointer, skin;
    } cases[] = {{{}, false, false},
                 {{"HAND-M.CUR"}, true, false},
                 {{"x/o.cjs"}, false, true},
                 {{"HAND-M.CUR", "x/o.cjs"}, true, true},
                 {{"hand-m.cur", "o.cjs"}, false, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.files.empty() ? "no files" : *c.files.begin());
        GameHarness h(nullptr, /*load=*/false);
        h.platform.files = c.files;
        h.game.Form_Load();
        EXPECT_EQ(h.s().pointerLoaded, c.pointer);
        EXPECT_EQ(h.platform.skinsApplied, c.skin ? std::vector<std::string>{"x/o.cjs"} : std::vector<std::string>{});
        // The custom pointer comes with the first hover on a button and stays.
        h.advance(500);
        EXPECT_FALSE(h.s().customPointer);
        h.platform.hover(c.pointer ? ButtonId::GetCard : ButtonId::NewGame);
        EXPECT_TRUE(h.s().customPointer);
        h.platform.move(6000, 6000, 0);
        h.advance(500);
        EXPECT_TRUE(h.s().customPointer);
    }
}

TEST(Startup, TheHomePageOpensOnlyWhenTheStartupDrawGivesSeven)
{
    const std::pair<double, bool> cases[] = {{0.0, false},  {0.0599, false}, {0.0601, true}, {0.065, true},
                                             {0.0699, true}, {0.07, false},   {0.5, false},   {0.999, false}};
    for (const auto &[draw, opens] : cases) {
        auto random = startingWith(draw);
        ScriptedRandom &scripted = *random;
        GameHarness h(std::move(random));
        EXPECT_EQ(scripted.drawn, 2 * kSlots + 1) << draw;
        EXPECT_EQ(h.platform.helpPagesOpened, opens ? 1 : 0) << draw;
        h.advance(2000); // never again later in the run
        h.click(ButtonId::NewGame);
        h.advance(2000);
        EXPECT_EQ(h.platform.helpPagesOpened, opens ? 1 : 0) << draw;
    }
}

} // namespace
} // namespace pipstone::test
