// Seeded event storms through the real window on the offscreen screen: mouse
// presses, moves and releases with any button, mostly on tiles; clicks on the
// three push buttons; message boxes answered after a while; time passing on
// the real clock; now and then the window closed. Many events are posted on
// timers so that they land inside the game's waits, flights and boxes. After
// every event, with nothing of the game running, the invariants must hold
// and no two message boxes may ever have been open at once.
//
// Mouse input goes in through the window system interface (QTest on the
// QWindow), so Qt routes it as it routes the user's: to the widget under the
// pointer, to the widget that took the press while a button is held, and
// nowhere while a box is modal.
//
// PIPSTONE_QT_STORM_SEED=n runs only the storm of seed n.

// own
#include "live_game.h"
#include "platform/qt/window/form_window.h"
#include "support/invariants.h"

// Qt
#include <QElapsedTimer>
#include <QWindow>

// std
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <sstream>

namespace pipstone::testing {
namespace {

constexpr int kStorms = 50;
constexpr std::uint64_t kFirstSeed = 1;

const char *nameOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return "L";
    case Qt::RightButton: return "R";
    default: return "M";
    }
}

class QtStorm {
public:
    explicit QtStorm(std::uint64_t seed)
        : live_(seed)
        , boxes_([this] { return boxPick(4) == 0 ? 100 + boxPick(300) : boxPick(100); })
        , rng_(seed * 0x9E3779B97F4A7C15ull + 11)
        , boxRng_(seed + 7)
    {
        boxes_.note = [this](const std::string &what) { note(what); };
        boxes_.pressOk = [this] { return boxPick(3) != 0; };
        clock_.start();
    }

    ~QtStorm()
    {
        // Timers still pending belong to this storm only.
        posted_.reset();
    }

    // Runs the storm; returns what went wrong (empty when sound).
    std::vector<std::string> run()
    {
        if (!live_.start())
            return {"the window never showed"};
        window_ = live_.window().windowHandle();
        const int events = 60 + pick(21);
        for (int i = 1; i <= events && !live_.game.closed(); ++i) {
            oneEvent(i);
            auto problems = check();
            if (!problems.empty())
                return problems;
        }
        // The user lets go of the mouse at the end, so that Qt holds no
        // button down for the windows that come after this one.
        note("end: let go of every button");
        posted_.reset();
        while (QTestPrivate::qtestMouseButtons != Qt::NoButton)
            release(QPoint(1, 1));
        return check();
    }

    bool closedWindow() const { return live_.game.closed(); }

    // Posted events that landed in the middle of something.
    struct Landed {
        int inFlight = 0, inCheatView = 0, inBox = 0, whileBusy = 0;
    } landed;

    std::string log() const
    {
        std::ostringstream out;
        for (const std::string &line : log_)
            out << "  " << line << "\n";
        return out.str();
    }

private:
    int pick(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    // The boxes come when the game shows them; their answers draw on a
    // generator of their own so that the events stay those of the seed.
    int boxPick(int n) { return static_cast<int>(boxRng_() % static_cast<std::uint64_t>(n)); }

    void note(const std::string &line) { log_.push_back("t=" + std::to_string(clock_.elapsed()) + " " + line); }

    // A point of the window in pixels: mostly on a tile of the player's row
    // or on any tile, otherwise anywhere.
    QPoint somewhere()
    {
        const GameState &s = live_.s();
        const int roll = pick(10);
        std::vector<int> row;
        for (int i = 1; i <= kSlots; ++i)
            if (s.lcard[i].exists && s.lcard[i].Top >= 7500)
                row.push_back(i);
        int slot = 0;
        if (roll < 4 && !row.empty())
            slot = row[static_cast<std::size_t>(pick(static_cast<int>(row.size())))];
        else if (roll < 7)
            slot = 1 + pick(kSlots);
        if (slot == 0)
            return QPoint(pick(FormWindow::kClientWidth), pick(FormWindow::kClientHeight));
        const Picture &half = pick(3) == 0 ? s.rcard[slot] : s.lcard[slot];
        return clamp(pixelAt(half.Left + static_cast<float>(pick(400)), half.Top + static_cast<float>(pick(400))));
    }

    static QPoint clamp(QPoint p)
    {
        return QPoint(std::clamp(p.x(), 0, FormWindow::kClientWidth - 1),
                      std::clamp(p.y(), 0, FormWindow::kClientHeight - 1));
    }

    Qt::MouseButton someButton()
    {
        const int roll = pick(20);
        return roll < 12 ? Qt::LeftButton : roll < 17 ? Qt::RightButton : Qt::MiddleButton;
    }

    static std::string where(QPoint p) { return std::to_string(p.x()) + "," + std::to_string(p.y()); }

    // Runs `action` now, or posts it to land `delay` ms later inside whatever
    // runs then.
    void deliver(int n, const std::string &what, std::function<void()> action)
    {
        const bool later = pick(5) < 2;
        if (!later) {
            note("#" + std::to_string(n) + " " + what);
            action();
            return;
        }
        const int delay = pick(400);
        note("#" + std::to_string(n) + " post +" + std::to_string(delay) + "ms: " + what);
        QTimer::singleShot(delay, posted_.get(), [this, n, action = std::move(action)] {
            note("#" + std::to_string(n) + " lands" + moment());
            action();
        });
    }

    // What the game is doing as a posted event lands; counted for the summary.
    std::string moment()
    {
        const GameState &s = live_.s();
        std::string what;
        const auto mark = [&](bool now, const char *name, int &count) {
            if (now) {
                what += std::string(" [") + name + "]";
                ++count;
            }
        };
        mark(s.Cover.Visible, "computer's tile flies", landed.inFlight);
        mark(s.Showcomppic == 1, "cheat view", landed.inCheatView);
        mark(openBox() != nullptr, "box open", landed.inBox);
        mark(live_.game.activity().busy(), "game busy", landed.whileBusy);
        return what;
    }

    bool held(Qt::MouseButton button) const { return QTestPrivate::qtestMouseButtons.testFlag(button); }

    void press(Qt::MouseButton button, QPoint at)
    {
        if (held(button) || live_.game.closed())
            return note("  (already held: skipped)");
        QTest::mousePress(window_, button, {}, at);
    }

    // Lets go of a button held from before, if any.
    void release(QPoint at)
    {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (held(button)) {
                note(std::string("  lets go of ") + nameOf(button));
                QTest::mouseRelease(window_, button, {}, at);
                return;
            }
        note("  (nothing held)");
    }

    void move(QPoint at)
    {
        if (!live_.game.closed())
            QTest::mouseMove(window_, at);
    }

    // A user lets go of whatever is held before clicking a push button.
    void click(const std::string &caption)
    {
        QPushButton *b = live_.button(caption);
        const QPoint at = b->geometry().center();
        while (QTestPrivate::qtestMouseButtons != Qt::NoButton)
            release(at);
        if (!live_.game.closed())
            QTest::mouseClick(window_, Qt::LeftButton, {}, at);
    }

    void oneEvent(int n)
    {
        const int roll = pick(1000);
        if (roll < 210) {
            const Qt::MouseButton b = someButton();
            const QPoint at = somewhere();
            deliver(n, std::string("press ") + nameOf(b) + " " + where(at), [=, this] { press(b, at); });
        } else if (roll < 480) {
            const QPoint at = somewhere();
            deliver(n, "move " + where(at), [=, this] { move(at); });
        } else if (roll < 670) {
            const QPoint at = somewhere();
            deliver(n, "release " + where(at), [=, this] { release(at); });
        } else if (roll < 710) {
            dragToTheBoard(n);
        } else if (roll < 750) {
            // The cheat view and a draw from the stock take the real clock's
            // time (a second, and a flight), so they come less often.
            const int which = pick(8);
            const std::string caption = which == 0 ? "Cheat Comp." : which < 4 ? "New Game" : "Get Card";
            deliver(n, "click " + caption, [=, this] { click(caption); });
        } else if (roll < 996) {
            const int ms = pick(6) == 0 ? 20 + pick(81) : 2 + pick(11);
            note("#" + std::to_string(n) + " wait " + std::to_string(ms) + "ms");
            QTest::qWait(ms);
        } else {
            deliver(n, "close the window", [this] {
                if (!live_.game.closed())
                    live_.window().close();
            });
        }
    }

    // A whole drag, as a player lays a tile: press on a tile of the row,
    // a few moves, release over the board.
    void dragToTheBoard(int n)
    {
        const GameState &s = live_.s();
        std::vector<int> row;
        for (int i = 1; i <= kSlots; ++i)
            if (s.lcard[i].exists && s.lcard[i].Top >= 7500)
                row.push_back(i);
        if (row.empty())
            return note("#" + std::to_string(n) + " drag: no tile in the row");
        const Picture &half = s.lcard[row[static_cast<std::size_t>(pick(static_cast<int>(row.size())))]];
        const QPoint from =
            pixelAt(half.Left + 50 + static_cast<float>(pick(300)), half.Top + 50 + static_cast<float>(pick(300)));
        note("#" + std::to_string(n) + " drag: press L " + where(from));
        while (QTestPrivate::qtestMouseButtons != Qt::NoButton)
            release(from);
        press(Qt::LeftButton, from);
        for (int k = pick(3); k >= 0; --k) {
            const QPoint to = pixelAt(1100 + static_cast<float>(pick(9900)), 1100 + static_cast<float>(pick(5900)));
            const int ms = pick(30);
            note("  move " + where(to) + ", wait " + std::to_string(ms) + "ms");
            move(to);
            QTest::qWait(ms);
            if (k == 0) {
                note("  release " + where(to));
                release(to);
            }
        }
    }

    std::vector<std::string> check()
    {
        std::vector<std::string> problems = checker_.check(live_.game, boxes_.mostOpen());
        if (live_.game.activity().busy())
            problems.push_back("the game is busy while no event is being handled");
        if (live_.game.closed() && live_.window().isVisible())
            problems.push_back("the game closed but the window still shows");
        return problems;
    }

    LiveGame live_;
    BoxWatch boxes_;
    std::mt19937_64 rng_;
    std::mt19937_64 boxRng_;
    std::unique_ptr<QObject> posted_ = std::make_unique<QObject>();
    QWindow *window_ = nullptr;
    test::InvariantChecker checker_;
    QElapsedTimer clock_;
    std::vector<std::string> log_;
};

std::vector<std::uint64_t> stormSeeds()
{
    if (const QByteArray one = qgetenv("PIPSTONE_QT_STORM_SEED"); !one.isEmpty())
        return {one.toULongLong()};
    std::vector<std::uint64_t> seeds;
    for (std::uint64_t seed = kFirstSeed; seed < kFirstSeed + kStorms; ++seed)
        seeds.push_back(seed);
    return seeds;
}

TEST(QtStorms, KeepTheGameSoundThroughTheRealWindow)
{
    int closedWindows = 0;
    QtStorm::Landed landed;
    for (std::uint64_t seed : stormSeeds()) {
        std::vector<std::string> problems;
        std::string log;
        bool closed = false;
        {
            QtStorm storm(seed);
            problems = storm.run();
            log = storm.log();
            closed = storm.closedWindow();
            landed.inFlight += storm.landed.inFlight;
            landed.inCheatView += storm.landed.inCheatView;
            landed.inBox += storm.landed.inBox;
            landed.whileBusy += storm.landed.whileBusy;
        }
        if (closed) {
            ++closedWindows;
            forgetQuit();
        }
        if (!problems.empty()) {
            std::ostringstream out;
            out << "storm seed " << seed << " (rerun with PIPSTONE_QT_STORM_SEED=" << seed << "):\n";
            for (const std::string &p : problems)
                out << "  problem: " << p << "\n";
            out << "events:\n" << log;
            ADD_FAILURE() << out.str();
        }
    }
    RecordProperty("closed_windows", closedWindows);
    RecordProperty("landed_in_flight", landed.inFlight);
    RecordProperty("landed_in_cheat_view", landed.inCheatView);
    RecordProperty("landed_in_box", landed.inBox);
    RecordProperty("landed_while_busy", landed.whileBusy);
    // The storms are worth their time only if their events reach the game in
    // the middle of its work.
    if (qEnvironmentVariableIsEmpty("PIPSTONE_QT_STORM_SEED")) {
        EXPECT_GT(closedWindows, 0);
        EXPECT_GT(landed.inFlight, 0);
        EXPECT_GT(landed.inCheatView, 0);
        EXPECT_GT(landed.inBox, 0);
        EXPECT_GT(landed.whileBusy, 0);
    }
}

} // namespace
} // namespace pipstone::testing
