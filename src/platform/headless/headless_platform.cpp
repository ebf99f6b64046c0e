#include "platform/headless/headless_platform.h"

// own
#include "app/timing.h"
#include "state/game_state.h"

// std
#include <algorithm>
#include <cmath>
#include <limits>

namespace pipstone {

namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
// The game's timers, in the order the clock keeps them.
constexpr std::array kTimers{TimerId::Timer1, TimerId::Timer2};
// The window's push buttons, in the order of their ids.
constexpr std::array kPushButtons{&GameState::PushButton1, &GameState::PushButton2, &GameState::PushButton3};

} // namespace

HeadlessPlatform::HeadlessPlatform()
{
    clock_.tickInterval = timing::kTimerInterval;
    refreshQuiet(); // nothing is queued and no timer runs yet
    // A whole match tells a few hundred happenings and opens some dozens of boxes.
    happenings.reserve(512);
    boxes.reserve(64);
    virtualClock_ = &clock_;
}

void HeadlessPlatform::attach(PlatformEvents *events, const GameState *state)
{
    events_ = events;
    state_ = state;
}

void HeadlessPlatform::setTimerRunning(TimerId timer, bool running)
{
    VirtualClock::Ticker &t = clock_.timers[index(timer)];
    if (running && !t.running)
        t.due = clock_.now + clock_.tickInterval;
    t.running = running;
    clock_.refresh(); // only the timers changed
}

// An event-processing call: the test's watcher first, then what is due.
void HeadlessPlatform::processEvents()
{
    if (atEventProcessing_)
        atEventProcessing_();
    runDueEvents();
}

// One pass over what is due now: input first, then each due timer once.
void HeadlessPlatform::runDueEvents()
{
    // Before the quiet stretch ends no input and no tick is due.
    if (clock_.quietNow())
        return;
    while (!quitRequested && inputDue())
        deliverFirstInput();
    // The pass runs at every tick: with the two timers written out, each
    // tick goes to the game under its own timer's name.
#pragma GCC unroll 2
    for (std::size_t i = 0; i < clock_.timers.size(); ++i) {
        VirtualClock::Ticker &t = clock_.timers[i];
        if (quitRequested || !dueNow(t))
            continue;
        t.due = clock_.now + clock_.tickInterval;
        clock_.refresh(); // the tick's own waits may pass quietly
        if (events_)
            events_->onTimer(kTimers[i]);
    }
}

// The virtual clock counts whole milliseconds: a deadline between two of
// them is reached at the later one.
void HeadlessPlatform::waitForEvents(double until)
{
    waitUntil(static_cast<std::int64_t>(std::ceil(until)));
}

void HeadlessPlatform::waitUntil(std::int64_t deadline)
{
    if (quitRequested) {
        clock_.now = std::max(clock_.now, deadline);
        return;
    }
    // Sleeps until the next timer or input falls due, or to the deadline,
    // and handles what is due then; a wait that only runs out is still an
    // event-processing call, as the real loop's is.
    // Without a watcher the quiet mark is that moment already.
    const std::int64_t next = atEventProcessing_ ? nextHappening() : clock_.quietUntil;
    clock_.now = std::max(clock_.now, std::min(next, deadline));
    processEvents();
}

// A quiet stretch noted shorter than it is only costs the game a call to the
// toolkit; one noted longer would skip an event. It follows from the queue,
// the watcher and the timers alone, and every change to them refreshes it at
// once: input posted or taken from the queue (before the game handles it), a
// watcher set, a timer switched, ticking or passed by the game. So a pass of
// the event loop needs no refresh of its own.
void HeadlessPlatform::refreshQuiet()
{
    if (atEventProcessing_)
        clock_.inputUntil = std::numeric_limits<std::int64_t>::min();
    else
        clock_.inputUntil = nextInput();
    clock_.refresh();
}

std::int64_t HeadlessPlatform::nextInput() const
{
    return queue_.empty() ? kNever : queue_.front().at; // in time order
}

std::int64_t HeadlessPlatform::nextHappening() const
{
    return std::min(clock_.nextTick(), nextInput());
}

void HeadlessPlatform::advance(std::int64_t ms)
{
    const std::int64_t end = clock_.now + ms;
    processEvents();
    while (clock_.now < end && !quitRequested)
        waitUntil(end);
    clock_.now = std::max(clock_.now, end);
}

bool HeadlessPlatform::advanceUntil(const std::function<bool()> &done, std::int64_t limitMs, std::int64_t stepMs)
{
    for (std::int64_t spent = 0; spent < limitMs; spent += stepMs) {
        if (done())
            return true;
        advance(stepMs);
    }
    return done();
}

void HeadlessPlatform::messageBox(const std::string &text, const std::string &title)
{
    boxes.emplace_back(text, title, clock_.now);
    ++openBoxes;
    mostBoxesOpen = std::max(mostBoxesOpen, openBoxes);
    const std::int64_t delay = boxDelay ? boxDelay(boxes.back()) : 0;
    // The box is modal: time runs and timers tick, the window takes no input
    // but a close. Its loop handles events at least once, even when the user
    // answers at once.
    const std::int64_t end = clock_.now + std::max<std::int64_t>(delay, 0);
    do
        waitUntil(end);
    while (clock_.now < end && !quitRequested);
    --openBoxes;
}

bool HeadlessPlatform::fileExists(const std::string &relativePath)
{
    // Most tests and every simulated match run with an empty folder: the
    // sounds the game plays at every draw and placement find nothing there.
    return !files.empty() && files.count(relativePath) != 0;
}

bool HeadlessPlatform::loadPointer(const std::string &relativePath)
{
    return fileExists(relativePath);
}

void HeadlessPlatform::applySkin(const std::string &relativePath)
{
    skinsApplied.push_back(relativePath);
}

void HeadlessPlatform::playSoundAsync(const std::string &relativePath)
{
    // A missing file plays nothing and never holds the game up.
    if (fileExists(relativePath))
        soundsPlayed.push_back(relativePath);
}

void HeadlessPlatform::post(Input input)
{
    input.at = std::max(input.at, clock_.now);
    // Stable in time: events posted for the same moment keep their order.
    auto at = std::upper_bound(queue_.begin(), queue_.end(), input.at,
                               [](std::int64_t t, const Input &queued) { return t < queued.at; });
    queue_.insert(at, std::move(input));
    refreshQuiet();
}

void HeadlessPlatform::deliverFirstInput()
{
    const Input input = std::move(queue_.front());
    queue_.erase(queue_.begin());
    refreshQuiet(); // the next input may lie further off now
    handOver(input);
}

void HeadlessPlatform::handOver(const Input &input)
{
    if (delivering && input.kind != Input::Kind::Look)
        delivering(input);
    deliver(input);
}

const PushButton &HeadlessPlatform::pushButton(ButtonId id) const
{
    return state_->*kPushButtons[static_cast<std::size_t>(id)];
}

int HeadlessPlatform::buttonAt(float x, float y) const
{
    if (!state_)
        return -1;
    // Written out for the three buttons: each one's place is then a fixed
    // offset in the state rather than a member pointer read from the table.
#pragma GCC unroll 3
    for (std::size_t i = 0; i < kPushButtons.size(); ++i) {
        const PushButton &button = state_->*kPushButtons[i];
        if (x >= button.Left && x < button.Left + button.Width && y >= button.Top && y < button.Top + button.Height)
            return static_cast<int>(i);
    }
    return -1;
}

// Every kind but a look, from the fields alone.
[[gnu::always_inline]] inline void HeadlessPlatform::deliver(Input::Kind kind, float x, float y, int button, int shift,
                                                             ButtonId target)
{
    using Kind = Input::Kind;
    if (!events_ || quitRequested)
        return;
    if (kind == Kind::Close) {
        events_->onClose();
        return;
    }
    // A box keeps the window from taking input, all but the release of a
    // button pressed before it opened: the game must learn the button is up.
    if (openBoxes > 0 && kind != Kind::Release)
        return;
    switch (kind) {
    case Kind::Click:
        if (pushButton(target).Enabled)
            events_->onButtonClick(target);
        return;
    case Kind::Hover:
        events_->onButtonMouseMove(target);
        return;
    case Kind::Press:
        handOverPress(x, y, button, shift);
        return;
    case Kind::Move:
        handOverMove(x, y, button, shift);
        return;
    default: // a release, the one kind left
        handOverRelease(x, y, button, shift);
        return;
    }
}

void HeadlessPlatform::deliver(const Input &input)
{
    if (input.kind == Input::Kind::Look) {
        if (events_ && !quitRequested)
            input.look();
        return;
    }
    deliver(input.kind, input.x, input.y, input.button, input.shift, input.target);
}

// Mouse events at window positions: a push button under the pointer takes
// them, and keeps a press until its release. Only a press or move with no
// button held, and the last release after a press on a button, look for one.
void HeadlessPlatform::handOverPress(float x, float y, int button, int shift)
{
    const bool first = buttonsDown_ == 0;
    buttonsDown_ |= button;
    if (first) {
        if (const int pushed = buttonAt(x, y); pushed >= 0) {
            pressedOnButton_ = true;
            pressedButton_ = static_cast<ButtonId>(pushed);
            return;
        }
    }
    if (!pressedOnButton_)
        events_->onMouseDown(x, y, button, shift);
}

void HeadlessPlatform::handOverMove(float x, float y, int buttons, int shift)
{
    if (pressedOnButton_)
        return;
    if (buttonsDown_ == 0) {
        if (const int under = buttonAt(x, y); under >= 0) {
            events_->onButtonMouseMove(static_cast<ButtonId>(under));
            return;
        }
    }
    events_->onMouseMove(x, y, buttonsDown_ != 0 ? buttonsDown_ : buttons, shift);
}

void HeadlessPlatform::handOverRelease(float x, float y, int button, int shift)
{
    if (buttonsDown_ == 0)
        return;
    buttonsDown_ &= ~button;
    if (!pressedOnButton_) {
        events_->onMouseUp(x, y, button, shift);
        return;
    }
    if (buttonsDown_ != 0)
        return;
    pressedOnButton_ = false;
    const int under = buttonAt(x, y);
    if (under >= 0 && static_cast<ButtonId>(under) == pressedButton_ && button == kLeftButton
        && pushButton(pressedButton_).Enabled && openBoxes == 0)
        events_->onButtonClick(pressedButton_);
}

[[gnu::always_inline]] inline void HeadlessPlatform::postNow(Input::Kind kind, float x, float y, int button, int shift,
                                                             ButtonId target)
{
    // With nothing queued and no watcher to run first, an event-processing
    // call would take this input from the queue first thing: it goes to the
    // game at once, and the rest of the pass follows.
    if (!queue_.empty() || atEventProcessing_ || quitRequested) [[unlikely]] {
        postAndProcess(kind, x, y, button, shift, target);
        return;
    }
    if (delivering) [[unlikely]]
        tellDelivering(kind, x, y, button, shift, target);
    deliver(kind, x, y, button, shift, target);
    runDueEvents();
}

void HeadlessPlatform::postAndProcess(Input::Kind kind, float x, float y, int button, int shift, ButtonId target)
{
    post(Input{kind, x, y, button, shift, target, clock_.now, {}});
    processEvents();
}

void HeadlessPlatform::tellDelivering(Input::Kind kind, float x, float y, int button, int shift, ButtonId target)
{
    delivering(Input{kind, x, y, button, shift, target, clock_.now, {}});
}

void HeadlessPlatform::press(float x, float y, int button, int shift)
{
    postNow(Input::Kind::Press, x, y, button, shift, ButtonId::NewGame);
}

void HeadlessPlatform::move(float x, float y, int buttons, int shift)
{
    postNow(Input::Kind::Move, x, y, buttons, shift, ButtonId::NewGame);
}

void HeadlessPlatform::release(float x, float y, int button, int shift)
{
    postNow(Input::Kind::Release, x, y, button, shift, ButtonId::NewGame);
}

void HeadlessPlatform::click(ButtonId button)
{
    postNow(Input::Kind::Click, 0, 0, kLeftButton, 0, button);
}

void HeadlessPlatform::hover(ButtonId button)
{
    postNow(Input::Kind::Hover, 0, 0, 0, 0, button);
}

void HeadlessPlatform::lookAt(std::int64_t at, std::function<void()> look)
{
    Input input;
    input.kind = Input::Kind::Look;
    input.at = at;
    input.look = std::move(look);
    post(std::move(input));
}

} // namespace pipstone
