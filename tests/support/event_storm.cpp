#include "support/event_storm.h"

// std
#include <sstream>

namespace pipstone::test {

namespace {

using Input = HeadlessPlatform::Input;

const char *nameOf(Input::Kind kind)
{
    static const char *const names[] = {"press", "move", "release", "click", "hover", "close", "look"};
    return names[static_cast<int>(kind)];
}

} // namespace

EventStorm::EventStorm(std::uint64_t seed)
    : harness(std::make_unique<SeededRandomSource>(seed))
    , rng_(seed * 104729 + 7)
{
    // Boxes stay open for a random while, as a user reads them.
    harness.platform.boxDelay = [this](const HeadlessPlatform::MessageBoxRecord &) {
        return static_cast<std::int64_t>(rng_() % 1500);
    };
}

void EventStorm::oneEvent()
{
    HeadlessPlatform &p = harness.platform;
    GameState &s = harness.s();
    const auto pick = [this](int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); };
    constexpr int buttons[] = {kLeftButton, kLeftButton, kLeftButton, kRightButton, kMiddleButton};

    Input input;
    // Aim at tiles most of the time: at the player's row, the board or any slot.
    if (pick(3) > 0) {
        const int slot = 1 + pick(kSlots);
        input.x = s.lcard[slot].Left + static_cast<float>(pick(400));
        input.y = s.lcard[slot].Top + static_cast<float>(pick(400));
    } else {
        input.x = static_cast<float>(pick(11985));
        input.y = static_cast<float>(pick(9375));
    }
    input.button = buttons[pick(5)];
    input.shift = pick(8);
    input.at = p.tickCount() + (pick(2) ? 0 : pick(2000)); // some land inside later waits

    const int roll = pick(1000);
    if (roll < 250)
        input.kind = Input::Kind::Press;
    else if (roll < 550)
        input.kind = Input::Kind::Move;
    else if (roll < 800)
        input.kind = Input::Kind::Release;
    else if (roll < 950) {
        input.kind = Input::Kind::Click;
        const ButtonId targets[] = {ButtonId::GetCard, ButtonId::GetCard, ButtonId::CheatComp, ButtonId::NewGame};
        input.target = targets[pick(4)];
    } else if (roll < 998)
        input.kind = Input::Kind::Hover;
    else
        input.kind = Input::Kind::Close;

    std::ostringstream act;
    act << nameOf(input.kind) << " " << input.x << "," << input.y << " b" << input.button << " t"
        << static_cast<int>(input.target) << " at " << input.at;
    actions.push_back(act.str());
    p.post(input);
    const std::int64_t step = pick(4) == 0 ? pick(3000) : pick(150);
    actions.push_back("advance " + std::to_string(step));
    p.advance(step);
}

std::vector<std::string> EventStorm::run(int events)
{
    for (int i = 0; i < events && !harness.platform.quitRequested; ++i) {
        oneEvent();
        auto problems = checker_.check(harness.game, harness.platform);
        if (!problems.empty())
            return problems;
    }
    return {};
}

} // namespace pipstone::test
