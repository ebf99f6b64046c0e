#pragma once

// own
#include "platform/virtual_clock.h"
#include "state/happenings.h"

// std
#include <cstdint>
#include <string>

// What the game needs of a windowing toolkit. The game core talks to the
// screen, the clock, the speaker and the user only through these two
// interfaces: the toolkit calls the game through PlatformEvents, and the game
// calls the toolkit through Platform. Positions are window twips.
namespace pipstone {

struct GameState;

enum class TimerId { Timer1, Timer2 };
enum class ButtonId { NewGame, CheatComp, GetCard };

// The keys the game answers to, as the toolkit recognises them: the bare keys
// without Ctrl or Alt, the two chords with Ctrl, and the help key.
enum class Key { Left, Right, Home, End, Up, Down, G, C, CtrlN, CtrlQ, F1 };

// Mouse buttons as the handlers receive them: at a press or release the
// button that changed, at a move the sum of the buttons held.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Events from the toolkit to the game.
class PlatformEvents {
public:
    virtual ~PlatformEvents() = default;

    virtual void onTimer(TimerId timer) = 0;
    virtual void onButtonClick(ButtonId button) = 0;
    virtual void onButtonMouseMove(ButtonId button) = 0;
    // Mouse events on the painted part of the window (everything but the
    // push buttons), at window positions in twips.
    virtual void onMouseDown(float x, float y, int button, int shift) = 0;
    virtual void onMouseMove(float x, float y, int buttons, int shift) = 0;
    virtual void onMouseUp(float x, float y, int button, int shift) = 0;
    // A key pressed while the game window has the keyboard.
    virtual void onKey(Key key) = 0;
    // The user closes the window, in any way.
    virtual void onClose() = 0;
};

// Services of the toolkit to the game.
class Platform {
public:
    virtual ~Platform() = default;

    // Connects the game: events go to `events`, and the view paints `state`.
    virtual void attach(PlatformEvents *events, const GameState *state) = 0;

    // Monotonic milliseconds with their fraction, so that a wait measured on
    // it is never shorter than asked; never wraps.
    virtual double tickCount() = 0;
    // Handles the pending events once.
    virtual void processEvents() = 0;
    // The game lets pending events run in the middle of its work: shows the
    // state and handles the pending events once. A toolkit that lets no event
    // run this time may leave the showing for the next call too.
    virtual void letEventsRun()
    {
        stateChanged();
        processEvents();
    }
    // Whether letEventsRun() would let no event run if called now: a toolkit
    // that spaces out its passes through the loop says so between them.
    virtual bool letsNoEventsRunNow() const { return false; }
    // Handles events as they come until the tick count reaches `deadline`
    // or at least one event was handled; sleeps meanwhile.
    virtual void waitForEvents(double deadline) = 0;

    // A game timer was switched on or off (its interval is fixed).
    virtual void setTimerRunning(TimerId timer, bool running) = 0;

    // A modal message box with an information icon and one OK button;
    // returns when it is closed. Lines are joined by "\r\n".
    virtual void messageBox(const std::string &text, const std::string &title) = 0;

    // Files under the program's own folder, named with '/' separators.
    virtual bool fileExists(const std::string &relativePath) = 0;
    // Loads the custom window pointer; false when the file cannot be used.
    virtual bool loadPointer(const std::string &relativePath) = 0;
    // Applies the skin file; the game works without one.
    virtual void applySkin(const std::string &relativePath) = 0;
    // Starts playing a wave file and returns at once; failures are silent.
    virtual void playSoundAsync(const std::string &relativePath) = 0;

    virtual void centerWindow() = 0;
    // Shows the game's own help page, in the desktop's viewer or, without one,
    // in a window of the game's own; returns at once.
    virtual void openHelpPage() = 0;

    // The state changed: paint it when the toolkit next paints.
    virtual void stateChanged() = 0;
    // The game has handled an event and control goes back to the toolkit's
    // loop: as stateChanged(), for a toolkit that may look at the state once
    // for all the events it hands over in one go.
    virtual void eventHandled() { stateChanged(); }
    // Paint now, before the game goes on.
    virtual void repaintNow() = 0;

    // Ends the program: the event loops stop and the window goes away.
    virtual void quit() = 0;

    // Something happened in the game, told where it happened, for a player
    // who follows the game by ear; a toolkit without a listener drops it.
    virtual void happened(const Happening &) {}

    // The toolkit's clock when it is virtual; null for a real one.
    VirtualClock *virtualClock() { return virtualClock_; }

protected:
    VirtualClock *virtualClock_ = nullptr;
};

} // namespace pipstone
