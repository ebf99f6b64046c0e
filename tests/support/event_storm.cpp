#include "support/event_storm.h"

// own
#include "support/random_player.h"
#include "state/text_number.h"

// std
#include <algorithm>
#include <sstream>

namespace pipstone::test {

namespace {

using Input = HeadlessPlatform::Input;
using Work = OneThingAtATime::Work;

constexpr int kKinds = static_cast<int>(Inside::Count);

const char *nameOf(Input::Kind kind)
{
    static const char *const names[] = {"press", "move", "release", "click", "hover", "close", "look"};
    return names[static_cast<int>(kind)];
}

// How an event is aimed into each kind of activity: the chance per
// event-processing call inside it, and the share of New Game clicks among the
// events aimed there. The counts and ticks pump hundreds of times a second,
// a flight a few hundred times, the end of a hand or a pass a few dozen
// times, so the rare ones are aimed at far more often; New Game is clicked
// most where a result or a pass is being announced.
struct Aim {
    double rate;
    double newGameShare;
};
constexpr std::array<Aim, kKinds> kAims{{
    {0.0004, 0.02}, // Timer1Tick
    {0.0004, 0.02}, // Timer2Tick
    {0.0004, 0.02}, // PlayerCount
    {0.0004, 0.02}, // ComputerCount
    {0.001, 0.03},  // ComputerFlight
    {0.0015, 0.03}, // DrawFlight
    {0.05, 0.03},   // Showcards
    {0.1, 0.03},    // Getturn
    {0.005, 0.03},  // CheatView
    {0.4, 0.2},     // Pass
    {0.15, 0.2},    // EndOfHand
    {0.1, 0.1},     // MessageBox
}};

// New Game between activities, where a click on it throws the hand away.
constexpr double kNewGameShareAtRest = 0.005;
// The share of the random player's moves when it is the player's turn.
constexpr int kPlayersMovePercent = 80;

std::string describe(const Input &input)
{
    std::ostringstream out;
    out << nameOf(input.kind) << " " << input.x << "," << input.y << " b" << input.button << " t"
        << static_cast<int>(input.target) << " at " << input.at;
    return out.str();
}

} // namespace

const char *nameOf(Inside kind)
{
    static const char *const names[] = {
        "Timer1 tick", "Timer2 tick", "player's count", "computer's count", "computer's flight", "draw's flight",
        "showcards",   "getturn",     "cheat view",     "pass",             "end of hand",       "message box",
    };
    return names[static_cast<int>(kind)];
}

EventStorm::EventStorm(std::uint64_t seed)
    : harness(std::make_unique<SeededRandomSource>(seed))
    , rng_(seed * 104729 + 7)
{
    HeadlessPlatform &p = harness.platform;
    // Boxes stay open for a random while, as a user reads them.
    p.boxDelay = [this](const HeadlessPlatform::MessageBoxRecord &) { return static_cast<std::int64_t>(pick(1500)); };
    p.watchEventProcessing([this] {
        checker_.watch(harness.game);
        if (aiming_)
            aimInsideActivity();
    });
    p.delivering = [this](const Input &) { countLanding(); };
}

std::array<bool, kKinds> EventStorm::runningKinds() const
{
    const OneThingAtATime &a = harness.game.activity();
    const GameState &s = harness.game.state();
    std::array<bool, kKinds> running{};
    const auto set = [&running](Inside kind, bool on) { running[static_cast<int>(kind)] = on; };
    set(Inside::Timer1Tick, a.running(Work::Timer1Tick));
    set(Inside::Timer2Tick, a.running(Work::Timer2Tick));
    set(Inside::PlayerCount, a.running(Work::PlayerCount));
    set(Inside::ComputerCount, a.running(Work::ComputerCount));
    // The flying tile shows only in a flight: the draw's, or else the computer's.
    set(Inside::ComputerFlight, s.Cover.Visible && a.running(Work::Placement) && !a.running(Work::Draw));
    set(Inside::DrawFlight, s.Cover.Visible && a.running(Work::Draw));
    set(Inside::Showcards, a.running(Work::Showcards));
    set(Inside::Getturn, a.running(Work::Getturn));
    set(Inside::CheatView, s.Showcomppic == 1);
    set(Inside::Pass, a.running(Work::Pass));
    set(Inside::EndOfHand, a.running(Work::EndOfHand));
    set(Inside::MessageBox, a.running(Work::MessageBox));
    return running;
}

Input EventStorm::noise(double newGameShare)
{
    const GameState &s = harness.s();
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
    input.at = harness.platform.tickCount();

    if (pick(10000) < newGameShare * 10000) {
        input.kind = Input::Kind::Click;
        input.target = ButtonId::NewGame;
        return input;
    }
    const int roll = pick(1000);
    if (roll < 250)
        input.kind = Input::Kind::Press;
    else if (roll < 550)
        input.kind = Input::Kind::Move;
    else if (roll < 800)
        input.kind = Input::Kind::Release;
    else if (roll < 950) {
        input.kind = Input::Kind::Click;
        const ButtonId targets[] = {ButtonId::GetCard, ButtonId::GetCard, ButtonId::CheatComp};
        input.target = targets[pick(3)];
    } else if (roll < 995 || !late_)
        input.kind = Input::Kind::Hover;
    else
        input.kind = Input::Kind::Close;
    return input;
}

void EventStorm::eventBetweenActivities()
{
    HeadlessPlatform &p = harness.platform;
    const bool playersTurn = harness.s().lStatus.Caption == kYourTurn && !harness.game.activity().busy();
    std::string move;
    if (playersTurn && pick(100) < kPlayersMovePercent) {
        letGoOfTheMouse();
        randomPlayersMove(harness, rng_, &move);
    }
    if (move.empty()) {
        Input input = noise(kNewGameShareAtRest);
        input.at += pick(2) ? 0 : pick(2000); // some land inside later waits
        move = describe(input);
        p.post(input);
    }
    actions.push_back(std::move(move));
    const std::int64_t step = pick(4) == 0 ? pick(3000) : pick(150);
    actions.push_back("advance " + std::to_string(step));
    p.advance(step);
}

// A user about to play a tile first lets go of whatever buttons the storm
// left held down.
void EventStorm::letGoOfTheMouse()
{
    for (int button : {kLeftButton, kRightButton, kMiddleButton})
        if (harness.platform.buttonsDown() & button)
            harness.platform.release(0, 0, button);
}

// The chance of an aimed event is spent from a budget drawn at random: each
// event-processing call inside an activity takes its kind's rate from it, and
// an event is aimed there when it runs out. That is a coin thrown at every
// call, at the price of a subtraction.
void EventStorm::aimInsideActivity()
{
    const auto running = runningKinds();
    int aimedAt = -1;
    for (int k = 0; k < kKinds; ++k)
        if (running[k] && (aimedAt < 0 || kAims[k].rate > kAims[aimedAt].rate))
            aimedAt = k;
    if (aimedAt < 0)
        return;
    aimBudget_ -= kAims[aimedAt].rate;
    if (aimBudget_ > 0)
        return;
    aimBudget_ = std::exponential_distribution<double>(1.0)(rng_);
    const Input input = noise(kAims[aimedAt].newGameShare);
    actions.push_back(describe(input) + " inside " + nameOf(static_cast<Inside>(aimedAt)));
    harness.platform.post(input);
}

void EventStorm::countLanding()
{
    if (!aiming_)
        return; // the liveness check's own moves are not the storm's
    const auto running = runningKinds();
    for (int k = 0; k < kKinds; ++k)
        landed[k] += running[k];
    ++handedOver;
    handedOverInside += std::find(running.begin(), running.end(), true) != running.end();
}

std::vector<std::string> EventStorm::run(int events)
{
    HeadlessPlatform &p = harness.platform;
    aiming_ = true;
    for (int i = 0; i < events && !p.quitRequested; ++i) {
        late_ = i >= events * 9 / 10;
        eventBetweenActivities();
        auto problems = checker_.check(harness.game, p);
        if (!problems.empty())
            return problems;
    }
    // The user waits for the storm's last events to land: a close among them
    // may still be on its way.
    aiming_ = false;
    p.advance(2000);
    resultsShown = static_cast<int>(std::count_if(p.boxes.begin(), p.boxes.end(), [](const auto &box) {
        return box.title == "  Brisk Domino     Max Score = 101  ";
    }));
    const GameState &s = harness.s();
    playedOut = readInt(s.compscore.Caption) >= 101 || readInt(s.playerscore.Caption) >= 101;
    closedByUser = p.quitRequested && !playedOut;
    if (p.quitRequested)
        return {};

    // Liveness: whatever the storm left behind, the match can be played to
    // its end. The user lets go of every mouse button.
    letGoOfTheMouse();
    // The seeded matches check every step of normal play; here the totals
    // are followed throughout, and the rest is checked where play ends. A
    // match that does not end is reported by what the checker sees wrong,
    // if anything.
    int hands = 0;
    auto problems = playToTheEnd(harness, rng_, nullptr, &actions, hands, p.tickCount() + 3'600'000);
    if (auto found = checker_.check(harness.game, p); !found.empty())
        problems = found;
    if (!problems.empty())
        problems.front() = "after the storm: " + problems.front();
    return problems;
}

} // namespace pipstone::test
