#pragma once

// own
#include "app/game_window.h"
#include "platform/qt/view/game_canvas.h"
#include "platform/qt/view/qt_conversions.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"
#include "tiles/random_source.h"

// Qt
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

// std
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace pipstone::testing {

// The whole program as main() builds it, with a seeded deal and a program
// folder of its own (no pointer, skin or sound files in it).
struct LiveGame {
    explicit LiveGame(std::uint64_t seed)
        : platform(folder.path())
        , game(platform, std::make_unique<SeededRandomSource>(seed))
    {
    }

    // Loads the game and shows the window; false when it never shows.
    bool start()
    {
        game.Form_Load();
        platform.window().show();
        return QTest::qWaitForWindowExposed(&platform.window());
    }

    GameState &s() { return game.state(); }
    QWidget &window() { return platform.window(); }
    GameCanvas &canvas() { return *platform.window().findChild<GameCanvas *>(); }

    QPushButton *button(const std::string &caption)
    {
        for (QPushButton *b : window().findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
            if (b->text() == QString::fromStdString(caption))
                return b;
        return nullptr;
    }

    QTemporaryDir folder;
    QtPlatform platform;
    GameWindow game;
};

// The canvas pixel of a window position in twips.
inline QPoint pixelAt(float x, float y)
{
    return QPoint(static_cast<int>(x / kTwipsPerPixel), static_cast<int>(y / kTwipsPerPixel));
}

// Counts the message boxes open at once and answers each one a while after it
// appears, as a user reading it would: `answerAfterMs` chooses the while and
// `answer` presses OK or closes the box.
class BoxWatch : public QObject {
public:
    explicit BoxWatch(std::function<int()> answerAfterMs = [] { return 0; })
        : answerAfterMs_(std::move(answerAfterMs))
    {
        clock_.start();
        qApp->installEventFilter(this);
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
        poll_.start();
    }
    ~BoxWatch() override { qApp->removeEventFilter(this); }

    int mostOpen() const { return mostOpen_; }
    int opened() const { return opened_; }

    // Called with the box's text when it appears and when it is answered.
    std::function<void(const std::string &)> note;
    // True: press OK; false: close the box as its title bar would.
    std::function<bool()> pressOk = [] { return true; };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            if (event->type() == QEvent::Show && open_.insert(box).second) {
                ++opened_;
                mostOpen_ = std::max(mostOpen_, static_cast<int>(open_.size()));
                if (note)
                    note("box opens: " + box->text().simplified().toStdString());
                QObject::connect(box, &QObject::destroyed, this, [this, box] { open_.erase(box); });
            } else if (event->type() == QEvent::Hide) {
                open_.erase(box);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void poll()
    {
        auto *box = openBox();
        if (!box)
            return;
        if (box != current_) {
            current_ = box;
            answerAt_ = clock_.elapsed() + answerAfterMs_();
            return;
        }
        if (clock_.elapsed() < answerAt_)
            return;
        current_ = nullptr;
        const bool ok = pressOk();
        if (note)
            note(ok ? "box answered with OK" : "box closed");
        if (ok)
            box->button(QMessageBox::Ok)->click();
        else
            box->close();
    }

    std::function<int()> answerAfterMs_;
    QTimer poll_;
    QElapsedTimer clock_;
    QPointer<QMessageBox> current_;
    std::int64_t answerAt_ = 0;
    std::set<QObject *> open_;
    int mostOpen_ = 0;
    int opened_ = 0;
};

// Closing the game window ends the application's event loops, and Qt then
// refuses to start any other (every later dialog would return at once). An
// application loop that starts and ends again clears that.
inline void forgetQuit()
{
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace pipstone::testing
