#pragma once

// own
#include "platform/platform.h"
#include "state/controls.h"

// std
#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

// A toolkit without a screen, for tests and simulations. Its clock is virtual:
// it advances only when told to, or when the game waits, and the timers fire
// as it passes their due times. Input comes from the test at window positions
// in twips and is routed as a desktop toolkit would: push buttons first, the
// game's own painted controls otherwise. Message boxes are recorded and
// answered, at once or after a delay the test chooses.
namespace pipstone {

class HeadlessPlatform : public Platform {
public:
    struct MessageBoxRecord {
        std::string text;
        std::string title;
        std::int64_t openedAt = 0;
    };

    // An input event, delivered when the clock reaches `at`.
    struct Input {
        enum class Kind { Press, Move, Release, Click, Hover, Close, Look };
        Kind kind = Kind::Move;
        float x = 0, y = 0;
        int button = 0;
        int shift = 0;
        ButtonId target = ButtonId::NewGame;
        std::int64_t at = 0;
        std::function<void()> look; // Look: runs when the clock reaches `at`
    };

    HeadlessPlatform();

    // Platform
    void attach(PlatformEvents *events, const GameState *state) override;
    double tickCount() override { return static_cast<double>(clock_.now); }
    // Final, so that the toolkit's own waits call it directly rather than
    // through the table of virtual functions.
    void processEvents() final;
    void waitForEvents(double deadline) override;
    void setTimerRunning(TimerId timer, bool running) override;
    void messageBox(const std::string &text, const std::string &title) override;
    bool fileExists(const std::string &relativePath) override;
    bool loadPointer(const std::string &relativePath) override;
    void applySkin(const std::string &relativePath) override;
    void playSoundAsync(const std::string &relativePath) override;
    void centerWindow() override { ++centred; }
    void openHelpPage() override { ++helpPagesOpened; }
    void stateChanged() override { ++stateChanges; }
    void eventHandled() override { ++stateChanges; }
    void repaintNow() override { ++repaints; }
    void quit() override { quitRequested = true; }
    void happened(const Happening &h) override
    {
        // Room for a match's happenings is set aside at the start: the list
        // grows out of line, so that telling one needs no frame.
        if (happenings.size() == happenings.capacity()) [[unlikely]] {
            growHappenings(h);
            return;
        }
        happenings.push_back(h);
    }

    // Runs the world for `ms` milliseconds of virtual time.
    void advance(std::int64_t ms);
    // Advances until `done` holds or `limitMs` has passed; true when it held.
    bool advanceUntil(const std::function<bool()> &done, std::int64_t limitMs, std::int64_t stepMs = 10);

    // Input now (delivered at once when nothing is running) or later, while
    // the game waits.
    void post(Input input);
    void press(float x, float y, int button = kLeftButton, int shift = 0);
    void move(float x, float y, int buttons = kLeftButton, int shift = 0);
    void release(float x, float y, int button = kLeftButton, int shift = 0);
    void click(ButtonId button);
    void hover(ButtonId button);
    // A key pressed on the game window, at once; a modal box keeps it.
    void keyPress(Key key)
    {
        if (events_ && openBoxes == 0 && !quitRequested)
            events_->onKey(key);
    }
    // Runs `look` when the clock reaches `at`, even in the middle of a wait,
    // so a test can see the game as the user sees it then.
    void lookAt(std::int64_t at, std::function<void()> look);

    bool timerRunning(TimerId timer) const { return clock_.timers[index(timer)].running; }
    // The mouse buttons the user holds down now.
    int buttonsDown() const { return buttonsDown_; }
    // How long each message box stays open before the user presses OK.
    std::function<std::int64_t(const MessageBoxRecord &)> boxDelay;

    // The window system's side of every event-processing call (each pump,
    // each pass of a wait, each message box): called first, so a test can
    // post input here that this same call hands over, in the middle of
    // whatever the game is doing, as a desktop toolkit hands over at every
    // such call whatever arrived since the last one.
    void watchEventProcessing(std::function<void()> watch)
    {
        atEventProcessing_ = std::move(watch);
        refreshQuiet();
    }
    // Called as each input is handed over, before the game (or an open box,
    // which refuses it) sees it.
    std::function<void(const Input &)> delivering;

    // What the game asked of the toolkit.
    std::set<std::string> files; // files present in the program folder
    std::vector<MessageBoxRecord> boxes;
    int openBoxes = 0;
    int mostBoxesOpen = 0;
    std::vector<std::string> soundsPlayed;
    std::vector<Happening> happenings; // in the order the game told them
    int helpPagesOpened = 0;
    std::vector<std::string> skinsApplied;
    int centred = 0;
    int stateChanges = 0;
    int repaints = 0;
    bool quitRequested = false;

private:
    [[gnu::noinline]] void growHappenings(const Happening &h) { happenings.push_back(h); }
    static int index(TimerId timer) { return timer == TimerId::Timer1 ? 0 : 1; }
    bool dueNow(const VirtualClock::Ticker &t) const { return t.running && t.due <= clock_.now; }
    void waitUntil(std::int64_t deadline);
    void runDueEvents();
    bool inputDue() const { return !queue_.empty() && queue_.front().at <= clock_.now; }
    void deliverFirstInput();
    void handOver(const Input &input);
    std::int64_t nextInput() const;
    std::int64_t nextHappening() const;
    void refreshQuiet();
    void deliver(const Input &input);
    // Defined where they are used alone: with the kind known there, each
    // input is handed over without being put together first.
    inline void deliver(Input::Kind kind, float x, float y, int button, int shift, ButtonId target);
    inline void postNow(Input::Kind kind, float x, float y, int button, int shift, ButtonId target);
    // The rarer ways of postNow, kept out of it so that it needs no frame.
    [[gnu::noinline]] void postAndProcess(Input::Kind kind, float x, float y, int button, int shift, ButtonId target);
    [[gnu::noinline]] void tellDelivering(Input::Kind kind, float x, float y, int button, int shift, ButtonId target);
    void handOverPress(float x, float y, int button, int shift);
    void handOverMove(float x, float y, int buttons, int shift);
    void handOverRelease(float x, float y, int button, int shift);
    const PushButton &pushButton(ButtonId id) const;
    // The push button under (x, y) by its id's number; -1 when none.
    int buttonAt(float x, float y) const;

    PlatformEvents *events_ = nullptr;
    const GameState *state_ = nullptr;
    VirtualClock clock_; // also holds the timers
    std::function<void()> atEventProcessing_;
    std::vector<Input> queue_;
    bool pressedOnButton_ = false;
    ButtonId pressedButton_ = ButtonId::NewGame;
    int buttonsDown_ = 0;
};

} // namespace pipstone
