#include "app/game_window.h"

// own
#include "state/text_number.h"

namespace pipstone {

GameWindow::GameWindow(Platform &platform, std::unique_ptr<RandomSource> random)
    : platform_(platform)
    , clock_(platform.virtualClock())
    , random_(std::move(random))
{
    platform_.attach(this, &s_);
    platform_.setTimerRunning(TimerId::Timer1, s_.Timer1.Enabled);
    platform_.setTimerRunning(TimerId::Timer2, s_.Timer2.Enabled);
}

GameWindow::~GameWindow()
{
    platform_.attach(nullptr, nullptr);
}

// The end of every event's frame: when the outermost frame has returned, a
// queued New Game deals its hand. A frame inside a pump returns to the step
// that pumped, which goes on at once; only the outermost returns to the loop.
[[gnu::hot]] void GameWindow::leaveDispatch()
{
    --entryDepth_;
    if (entryDepth_ == 0 && !closed_ && newGameQueued_) {
        newGameQueued_ = false;
        dispatch([this] { PushButton1_Click(); });
    }
    if (entryDepth_ == 0)
        platform_.eventHandled();
    else
        platform_.stateChanged();
}

void GameWindow::endStepNoLongerWanted() const
{
    throw StepAborted{};
}

void GameWindow::pumpToolkit()
{
    platform_.letEventsRun();
    stillWanted();
}

void GameWindow::ask(const std::string &text, const std::string &title)
{
    auto box = activity_.mark(OneThingAtATime::Work::MessageBox);
    platform_.stateChanged();
    platform_.messageBox(text, title);
    stillWanted();
}

// While the player thinks, nearly every tick finds the game as the last tick
// of its timer found it: no stamp has moved since that tick began and no
// event has run. That tick then began no step, let no event run at its pumps
// and rewrote at most fields it derives from what it read (the face step,
// the halves that take the mouse, the counts' own records); once more it
// would write the same, so it is left out.
[[gnu::hot]] void GameWindow::onTimer(TimerId timer)
{
    if (entryDepth_ == 0 && stillAfter_[timer == TimerId::Timer1 ? 0 : 1] == stillMark())
        return;
    runFrame([this, timer] { runTickInFrame(timer); });
}

// Ticks, releases and presses of Get Card that arrived while an activity ran
// go on once it is done. Most frames end with nothing kept: that is found
// without setting up the loop.
[[gnu::hot]] void GameWindow::runWorkKeptForLater()
{
    if (closed_ || activity_.busy() || !(tickPending_[0] || tickPending_[1] || activity_.hasDeferred()))
        return;
    runKeptWork();
}

[[gnu::noinline]] void GameWindow::runKeptWork()
{
    while (!closed_ && !activity_.busy()) {
        if (tickPending_[0]) {
            tickPending_[0] = false;
            runTickInFrame(TimerId::Timer1);
        } else if (tickPending_[1]) {
            tickPending_[1] = false;
            runTickInFrame(TimerId::Timer2);
        } else if (activity_.hasDeferred()) {
            for (auto &action : activity_.takeDeferred())
                action();
        } else {
            return;
        }
    }
}

void GameWindow::runTick(TimerId timer)
{
    runTickInFrame(timer);
    if (closed_)
        endStepNoLongerWanted();
}

[[gnu::hot]] void GameWindow::runTickInFrame(TimerId timer)
{
    const int t = timer == TimerId::Timer1 ? 0 : 1;
    // Rule 2 of the policy: a tick never runs inside another activity. It is
    // kept, once per timer, for when the activity is over, so that a timer
    // whose ticks keep falling inside the other's is not starved.
    if (activity_.busy()) {
        tickPending_[t] = true;
        return;
    }
    // Noted as the tick begins: should the same stamps and events still stand
    // at the next tick, this one changed nothing and let no event run.
    stillAfter_[t] = stillMark();
    const std::uint64_t stepsBefore = activity_.stepsBegun();
    if (timer == TimerId::Timer1 && s_.Timer1.Enabled)
        Timer1_Timer();
    else if (timer == TimerId::Timer2 && s_.Timer2.Enabled)
        Timer2_Timer();
    // A step may write what no stamp watches and the other timer reads (the
    // computer's notes of a blocked search, the end flag): both tick again.
    if (activity_.stepsBegun() != stepsBefore)
        ++changingEvents_;
}

void GameWindow::onButtonClick(ButtonId button)
{
    dispatch([this, button] {
        switch (button) {
        case ButtonId::NewGame:
            // A hand that is being scored deals the next one itself once its
            // result is read; cutting it short would lose or repeat its score.
            if (activity_.running(OneThingAtATime::Work::EndOfHand))
                break;
            if (entryDepth_ > 1) {
                // Something is paused below this click: end it first.
                newGameQueued_ = true;
                throw StepAborted{};
            }
            PushButton1_Click();
            break;
        case ButtonId::CheatComp:
            PushButton2_Click();
            break;
        case ButtonId::GetCard:
            getCardPressed();
            break;
        }
    });
}

void GameWindow::onButtonMouseMove(ButtonId)
{
    dispatch([this] { s_.customPointer = true; });
}

void GameWindow::onClose()
{
    if (closed_)
        return;
    closed_ = true;
    setTimer(s_.Timer1, TimerId::Timer1, false);
    setTimer(s_.Timer2, TimerId::Timer2, false);
    platform_.quit();
}

void GameWindow::setTimer(Timer &timer, TimerId id, bool enabled)
{
    if (timer.Enabled == enabled)
        return;
    timer.Enabled = enabled;
    platform_.setTimerRunning(id, enabled && !closed_);
}

void GameWindow::showSlot(int slot)
{
    writeWhole(s_.Text1, slot);
    showcards();
}

bool GameWindow::handIsOver() const
{
    return readInt(s_.cno) == 0 || readInt(s_.pno) == 0 || s_.endflag == 1 || handIsBlocked();
}

} // namespace pipstone
