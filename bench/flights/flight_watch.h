#pragma once

// own
#include "platform/platform.h"

// std
#include <functional>
#include <vector>

namespace pipstone::bench {

// Stands between the game and its toolkit, passing every call through, and
// times the flights: a flight lasts from the toolkit first seeing the flying
// tile (the cover box) shown until it first sees it hidden again. The clock
// is the caller's, so the same watch times a flight on the wall clock of a
// real toolkit and on the virtual clock of the headless one. It also notes
// the waits a flight asks for, which on the virtual clock are exact: there
// the clock moves only inside them.
class FlightWatch : public Platform {
public:
    FlightWatch(Platform &inner, std::function<double()> nowMs);

    // Milliseconds of the last flight that ended, -1 when none has since
    // the last call of forget().
    double lastFlightMs() const { return lastFlightMs_; }
    // The milliseconds of each wait of that flight, in order: the deadline
    // of each new wait less the clock at its first call.
    const std::vector<double> &lastFlightWaits() const { return lastFlightWaits_; }
    void forget()
    {
        lastFlightMs_ = -1;
        lastFlightWaits_.clear();
    }
    // Notes that a move was asked for now; lastStartMs() then tells how long
    // after it the next flight started, -1 until one has.
    void markAsked()
    {
        askedAt_ = nowMs_();
        lastStartMs_ = -1;
    }
    double lastStartMs() const { return lastStartMs_; }

    void attach(PlatformEvents *events, const GameState *state) override;
    double tickCount() override { return inner_.tickCount(); }
    void processEvents() override { inner_.processEvents(); }
    void waitForEvents(double deadline) override;
    void setTimerRunning(TimerId timer, bool running) override { inner_.setTimerRunning(timer, running); }
    void messageBox(const std::string &text, const std::string &title) override { inner_.messageBox(text, title); }
    bool fileExists(const std::string &relativePath) override { return inner_.fileExists(relativePath); }
    bool loadPointer(const std::string &relativePath) override { return inner_.loadPointer(relativePath); }
    void applySkin(const std::string &relativePath) override { inner_.applySkin(relativePath); }
    void playSoundAsync(const std::string &relativePath) override { inner_.playSoundAsync(relativePath); }
    void centerWindow() override { inner_.centerWindow(); }
    void openHelpPage() override { inner_.openHelpPage(); }
    void stateChanged() override;
    void repaintNow() override;
    void quit() override { inner_.quit(); }

private:
    void look();

    Platform &inner_;
    std::function<double()> nowMs_;
    const GameState *state_ = nullptr;
    bool flying_ = false;
    double startedAt_ = 0;
    double lastFlightMs_ = -1;
    std::vector<double> waits_; // of the flight under way
    double lastDeadline_ = -1;
    std::vector<double> lastFlightWaits_;
    double askedAt_ = -1;
    double lastStartMs_ = -1;
};

} // namespace pipstone::bench
