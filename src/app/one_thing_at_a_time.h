#pragma once

// std
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace pipstone {

// How the game stays sound while it lets events run in the middle of its work.
//
// The game pumps the toolkit's events inside its waits, its counts, the board
// display and its message boxes, so ticks, clicks and mouse events arrive
// while a tick or a step is still running. The policy, enforced here and in
// GameWindow::dispatch/pump:
//
//  1. An activity is a tick of either timer, or a step: a placement (with the
//     computer's search, draws and flight inside it), a draw from the stock, a
//     pass with its message, the end of a hand. One activity runs at a time.
//  2. A tick that falls due while an activity runs returns at once; it is kept
//     (once per timer) and runs when the activity is over. So no tick runs
//     inside a tick, no count inside a count of the same side, no move inside
//     a move; and since only steps show message boxes, at most one box is
//     ever open. On the headless toolkit's virtual clock, a stretch of a wait
//     in which only such ticks fall due passes at once, and each timer that
//     ticked in it is kept the same way (turns/waits.cpp).
//  3. A press on a tile waits for a tick to end and is lost during a step.
//     A release waits for a tick to end; during a step the tile held from
//     before goes back to where it was taken. A press kept for the end of a
//     tick runs only while its button is still down, or when the release of
//     that button is kept after it: a release that runs while the press
//     waits (inside a step the tick started, or under its message box, where
//     a release still reaches the game) voids it. So no tile is ever held
//     with no button down, except during a key play. Get Card does nothing during a
//     step and waits for a tick to end. A key that plays a tile (Up, Down) is
//     a press and a release together: it does nothing during a step and waits
//     for a tick to end; the keys that only choose a tile act at once. G is a
//     press of Get Card, Ctrl+N of New Game, and Ctrl+Q closes the window
//     (rule 4).
//  4. New Game and closing the window end whatever is paused. New Game is
//     queued; every pump point and message box then unwinds its frame by
//     throwing StepAborted before it touches a tile; the new hand is dealt
//     once, when the outermost frame has returned. Closing ends the program.
//     New Game does nothing while a hand is being scored: the end of the
//     hand deals the next one itself, after its result.
//
// A tick that began no step, let no event run and moved no stamp would do the
// same again until something happens, so its timer's next ticks are left out
// (GameWindow::onTimer). An event, a write to the state from outside the game
// or a tick that did more brings both timers' ticks back.
//
// The cheat view's one-second wait is not an activity: the game goes on
// during it.
//
// The help page is not an activity either, nor a box: F1 and the start-up
// draw only start the desktop's opener, and the game's own window of the page
// (platform/qt/window/help_window.h) opens later from the event loop, not
// modal, sends nothing to the game and closes with the game's window.

// Thrown at a pump point when the step that pumped is no longer wanted.
struct StepAborted {};

class OneThingAtATime {
public:
    enum class Kind { None, Tick, Step };

    // What may run inside what; the nesting counters prove the policy holds.
    enum class Work {
        Timer1Tick,
        Timer2Tick,
        PlayerCount,
        ComputerCount,
        Placement,
        Draw,
        Pass,
        EndOfHand,
        MessageBox,
        Showcards, // the pump of a tile shown on the board
        Getturn,   // the pump after the turn has changed hands
        KeyPlay,   // a key's press, move and release of a tile
        Count
    };

    class Scope {
    public:
        Scope(OneThingAtATime &owner, Kind kind, Work work)
            : owner_(owner)
            , previous_(owner.kind_)
            , work_(work)
        {
            owner_.kind_ = kind;
            const int w = static_cast<int>(work);
            const int depth = ++owner_.depth_[w];
            // Deeper than ever only the first time, or when the policy broke.
            if (depth > owner_.deepest_[w]) [[unlikely]]
                owner_.deepest_[w] = depth;
        }
        ~Scope()
        {
            --owner_.depth_[static_cast<int>(work_)];
            owner_.kind_ = previous_;
        }
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        OneThingAtATime &owner_;
        Kind previous_;
        Work work_;
    };

    bool busy() const { return kind_ != Kind::None; }
    bool inStep() const { return kind_ == Kind::Step; }

    [[nodiscard]] Scope tick(Work work)
    {
        ++ticksRun_;
        return Scope(*this, Kind::Tick, work);
    }
    // A step may start inside a tick: the turn timer starts the computer's
    // move, the periodic check a pass or the end of a hand.
    [[nodiscard]] Scope step(Work work)
    {
        ++stepsBegun_;
        return Scope(*this, Kind::Step, work);
    }
    // Marks a piece of work that must never nest in itself (a count, a box).
    [[nodiscard]] Scope mark(Work work) { return Scope(*this, kind_, work); }

    // Whether a kind of work is running now (events handled at a pump point
    // land inside it), and the deepest nesting of it seen so far; 1 is sound.
    bool running(Work work) const { return depth_[static_cast<int>(work)] > 0; }
    int deepest(Work work) const { return deepest_[static_cast<int>(work)]; }
    // How many ticks have run, and how many steps have begun, so far.
    std::uint64_t ticksRun() const { return ticksRun_; }
    std::uint64_t stepsBegun() const { return stepsBegun_; }

    void defer(std::function<void()> action) { deferred_.push_back(std::move(action)); }
    // Rule 3: keeps a press of `button` for the end of the tick; it runs then
    // unless a release of that button has run meanwhile.
    void keepPress(int button, std::function<void()> press);
    // A release of `button` handed to the game: outside a tick it runs now
    // and voids the presses of that button still kept; inside a tick it is
    // kept itself, after them.
    void released(int button);
    std::vector<std::function<void()>> takeDeferred();
    bool hasDeferred() const { return !deferred_.empty(); }

private:
    Kind kind_ = Kind::None;
    std::uint64_t ticksRun_ = 0;
    std::uint64_t stepsBegun_ = 0;
    std::array<int, static_cast<int>(Work::Count)> depth_{};
    std::array<int, static_cast<int>(Work::Count)> deepest_{};
    std::vector<std::function<void()>> deferred_;
    std::array<unsigned, 3> releasesRun_{}; // per mouse button: left, right, middle
};

} // namespace pipstone
