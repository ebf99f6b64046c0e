#pragma once

// own
#include "platform/platform.h"
#include "platform/qt/files/pointers.h"

// Qt
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

// std
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace pipstone {

class FormWindow;
class HelpWindow;
class SoundPlayer;

// The game's toolkit on Qt: one fixed window with a painted board and three
// buttons, two 100 ms timers, modal message boxes, a pointer from a cursor
// file, a style-sheet skin, a wave sound and the help page. Files are looked up in the
// program's folder unless another is given.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QString programFolder = {});
    ~QtPlatform() override;

    // The window Form1, for the program to show.
    QWidget &window();

    void attach(PlatformEvents *events, const GameState *state) override;

    double tickCount() override;
    void processEvents() override;
    void letEventsRun() override;
    bool letsNoEventsRunNow() const override { return loopRanJustNow(); }
    void waitForEvents(double deadline) override;
    void setTimerRunning(TimerId timer, bool running) override;
    void messageBox(const std::string &text, const std::string &title) override;

    bool fileExists(const std::string &relativePath) override;
    bool loadPointer(const std::string &relativePath) override;
    void applySkin(const std::string &relativePath) override;
    void playSoundAsync(const std::string &relativePath) override;

    void centerWindow() override;
    void openHelpPage() override;

    void stateChanged() override;
    void eventHandled() override;
    void repaintNow() override;
    void quit() override;
    void happened(const Happening &happening) override;

private:
    QString pathOf(const std::string &relativePath) const;
    QTimer &timer(TimerId id);
    void waitUntil(qint64 deadlineNs);
    void windowClosing();
    void syncWindow();
    bool loopRanJustNow() const;

    QString folder_;
    PlatformEvents *events_ = nullptr;
    const GameState *state_ = nullptr;
    std::unique_ptr<FormWindow> form_;
    std::unique_ptr<HelpWindow> help_; // after the window that owns its own help window
    std::unique_ptr<SoundPlayer> sounds_;
    QElapsedTimer clock_;
    qint64 lastLoopRunNs_ = 0; // when the event loop last ran, on the coarse clock
    QTimer timer1_;
    QTimer timer2_;
    QTimer wake_; // ends a wait for events at its deadline
    std::optional<CursorFile> pointerFile_;
    std::string caption_;
    bool customPointerShown_ = false;
    const GameState *syncedState_ = nullptr; // the state and the shown stamp
    std::uint64_t syncedAt_ = 0;             // at the last sync of the window
    bool quitting_ = false;
    bool showDue_ = false; // the game handed an event back since the state last showed
};

} // namespace pipstone
