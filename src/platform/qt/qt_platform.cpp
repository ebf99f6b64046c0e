#include "platform/qt/qt_platform.h"

// own
#include "app/timing.h"
#include "platform/qt/window/form_window.h"
#include "platform/qt/window/help_window.h"
#include "platform/qt/window/input_hold.h"
#include "platform/qt/files/optional_file.h"
#include "platform/qt/files/pointers.h"
#include "platform/qt/files/skin.h"
#include "platform/qt/window/prompt_wakeups.h"
#include "platform/qt/view/qt_conversions.h"
#include "platform/qt/sound/sound_player.h"
#include "state/game_state.h"

// Qt
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>

// std
#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <thread>
#include <time.h>

namespace pipstone {

namespace {

// The system's coarse monotonic clock, in ns. A count asks whether the loop
// ran just now at every hand entry; this clock answers without reading the
// processor's time counter, and its steps of a few milliseconds are fine for
// spacing out passes through the loop.
qint64 coarseNowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return qint64{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

} // namespace

QtPlatform::QtPlatform(QString programFolder)
    : folder_(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : std::move(programFolder))
    , form_(std::make_unique<FormWindow>([this] { windowClosing(); }))
    , help_(std::make_unique<HelpWindow>(*form_))
    , sounds_(std::make_unique<SoundPlayer>(folder_))
{
    // An untitled box is titled with the game's name, not its file name. (A
    // display name would also be appended to every titled box on X11.)
    QCoreApplication::setApplicationName(QStringLiteral("Pipstone"));
    installFontSubstitutes();
    askForPromptWakeups();
    sounds_->prepareOnceShown(form_->canvas(), pathOf(kMoveSoundFile));
    clock_.start();
    for (TimerId id : {TimerId::Timer1, TimerId::Timer2}) {
        QTimer &t = timer(id);
        t.setInterval(timing::kTimerInterval);
        QObject::connect(&t, &QTimer::timeout, [this, id] {
            // The loop has just run to hand over this tick.
            lastLoopRunNs_ = coarseNowNs();
            if (events_)
                events_->onTimer(id);
        });
    }
    // What the game handed back to the loop shows before the loop sleeps or
    // looks for more events.
    if (const QAbstractEventDispatcher *loop = QAbstractEventDispatcher::instance()) {
        const auto showDue = [this] {
            if (showDue_)
                stateChanged();
        };
        QObject::connect(loop, &QAbstractEventDispatcher::aboutToBlock, form_.get(), showDue);
        QObject::connect(loop, &QAbstractEventDispatcher::awake, form_.get(), showDue);
    }
    // The game's waits are 1 to 1000 ms; a coarse timer would stretch them.
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

QtPlatform::~QtPlatform() = default;

QWidget &QtPlatform::window()
{
    return *form_;
}

void QtPlatform::attach(PlatformEvents *events, const GameState *state)
{
    events_ = events;
    state_ = state;
    form_->canvas().attach(events, state);
    form_->buttons().attach(events);
    stateChanged();
}

double QtPlatform::tickCount()
{
    return static_cast<double>(clock_.nsecsElapsed()) / 1e6;
}

// A count lets events run at every hand entry, a few microseconds apart.
// Asking the event loop again so soon finds nothing new but costs a system
// call and a pass through the loop, several hundred times a second while the
// player thinks; what arrives meanwhile runs at the next call after the gap,
// or as soon as the game waits or returns to the loop.
bool QtPlatform::loopRanJustNow() const
{
    constexpr qint64 kGapNs = 1'000'000;
    return coarseNowNs() - lastLoopRunNs_ < kGapNs;
}

void QtPlatform::processEvents()
{
    if (loopRanJustNow())
        return;
    QCoreApplication::processEvents();
    lastLoopRunNs_ = coarseNowNs();
}

// Where the loop does not run, nothing can paint or read the window either,
// so the showing waits for the next call that lets the loop run: every such
// call (a pump, a wait, a box, the end of the game's handler) shows first.
void QtPlatform::letEventsRun()
{
    if (loopRanJustNow())
        return;
    stateChanged();
    processEvents();
}

void QtPlatform::waitForEvents(double deadline)
{
    waitUntil(static_cast<qint64>(std::ceil(deadline * 1e6)));
}

// Sleeps in the event dispatcher until an event comes or the deadline passes,
// so a long wait of the game costs no processor time. The dispatcher's sleep
// ends on a whole millisecond, up to one late, which would stretch a flight
// of 1 ms steps by half; so the last few milliseconds, which cover a whole
// flight step, are slept on the system's precise clock instead, after the
// events pending then have run (a click meanwhile waits those few ms).
void QtPlatform::waitUntil(qint64 deadlineNs)
{
    constexpr qint64 kLastStretchNs = 6'000'000;
    const qint64 remaining = deadlineNs - clock_.nsecsElapsed();
    if (remaining > kLastStretchNs && !quitting_) {
        wake_.start(static_cast<int>(std::min<qint64>((remaining - kLastStretchNs) / 1'000'000, INT_MAX)));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        wake_.stop();
        lastLoopRunNs_ = coarseNowNs();
        return;
    }
    QCoreApplication::processEvents();
    lastLoopRunNs_ = coarseNowNs();
    if (quitting_)
        return;
    for (qint64 left; (left = deadlineNs - clock_.nsecsElapsed()) > 0;)
        std::this_thread::sleep_for(std::chrono::nanoseconds(left));
}

QTimer &QtPlatform::timer(TimerId id)
{
    return id == TimerId::Timer1 ? timer1_ : timer2_;
}

// Switching on a running timer keeps its rhythm, as an interval timer does.
void QtPlatform::setTimerRunning(TimerId id, bool running)
{
    QTimer &t = timer(id);
    if (running && !t.isActive() && !quitting_)
        t.start();
    else if (!running)
        t.stop();
}

void QtPlatform::messageBox(const std::string &text, const std::string &title)
{
    // Once the program ends, a box would start an event loop nobody ends.
    if (quitting_)
        return;
    form_->canvas().boxOpening();
    QString lines = QString::fromStdString(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Information, QString::fromStdString(title), lines, QMessageBox::Ok, form_.get());
    // Modal in effect but not to Qt, so that closing the window still ends
    // the program while the box is open (input_hold.h).
    const InputHold hold(*form_, form_->canvas());
    QEventLoop untilAnswered;
    QObject::connect(&box, &QDialog::finished, &untilAnswered, &QEventLoop::quit);
    box.setWindowModality(Qt::NonModal);
    box.show();
    box.activateWindow();
    untilAnswered.exec();
    // The board takes the keyboard back, and with it the screen reader's
    // focus, also where no window manager hands it back.
    if (!quitting_)
        form_->activateWindow();
    form_->canvas().boxClosed();
}

QString QtPlatform::pathOf(const std::string &relativePath) const
{
    return QDir(folder_).filePath(QString::fromStdString(relativePath));
}

bool QtPlatform::fileExists(const std::string &relativePath)
{
    return isRegularFile(pathOf(relativePath));
}

bool QtPlatform::loadPointer(const std::string &relativePath)
{
    pointerFile_ = readCursorFile(pathOf(relativePath));
    return pointerFile_.has_value();
}

// The skin is a Qt style sheet. Under a skin the window takes the colour of a
// button face instead of white.
void QtPlatform::applySkin(const std::string &relativePath)
{
    const std::optional<QByteArray> bytes = readOptionalFile(pathOf(relativePath), kSkinFileLimit);
    QString refusal;
    const std::optional<QString> sheet = bytes ? vetSkin(*bytes, folder_, refusal) : std::nullopt;
    if (!sheet) {
        if (bytes)
            std::fprintf(stderr, "pipstone: %s is not applied: %s\n", qPrintable(pathOf(relativePath)),
                         qPrintable(refusal));
        return;
    }
    const QColor face = form_->palette().color(QPalette::Button);
    QPalette palette = form_->palette();
    palette.setColor(QPalette::Window, face);
    form_->setPalette(palette);
    form_->canvas().setBackground(face);
    form_->setStyleSheet(*sheet);
}

void QtPlatform::playSoundAsync(const std::string &relativePath)
{
    sounds_->play(pathOf(relativePath));
}

void QtPlatform::centerWindow()
{
    const QScreen *screen = form_->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = form_->frameGeometry().size();
    form_->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

// The build copies the help page into doc/ beside the program; the installed
// program's doc/ is a link to the page among the game's data. The viewer gets
// the page's real place, so the page finds its pictures.
void QtPlatform::openHelpPage()
{
    const QString page = QFileInfo(pathOf("doc/help.html")).canonicalFilePath();
    if (!page.isEmpty())
        help_->open(page);
}

[[gnu::hot]] void QtPlatform::stateChanged()
{
    showDue_ = false;
    syncWindow();
    form_->canvas().refresh();
}

// The window is compared with the state once the loop has handed over
// everything that was due (both ticks, when the timers fall due together),
// or earlier when the game shows the state itself or the board paints. A
// click handled meanwhile may find Get Card's button as it was: the game
// checks its own record of the button at a press.
[[gnu::hot]] void QtPlatform::eventHandled()
{
    showDue_ = true;
    form_->canvas().refreshSoon();
}

// Paints at once, but only when what shows has changed: the periodic check
// asks for this ten times a second.
[[gnu::hot]] void QtPlatform::repaintNow()
{
    showDue_ = false;
    syncWindow();
    if (form_->canvas().refresh())
        form_->canvas().repaint();
}

// The caption, the pointer and the buttons all move the shown stamp when they
// change: while it stands where the last sync left it, the window still shows
// them as they are.
[[gnu::hot]] void QtPlatform::syncWindow()
{
    if (!state_ || (state_ == syncedState_ && shownStamp == syncedAt_))
        return;
    if (state_->caption != caption_) {
        caption_ = state_->caption;
        form_->setWindowTitle(QString::fromStdString(caption_));
    }
    // After the first hover over a button the whole window shows the custom
    // pointer, or the arrow when no cursor file was loaded.
    if (state_->customPointer && !customPointerShown_) {
        customPointerShown_ = true;
        const std::optional<QCursor> pointer = pointerFile_ ? toCursor(*pointerFile_) : std::nullopt;
        form_->setCursor(pointer.value_or(QCursor(Qt::ArrowCursor)));
    }
    form_->buttons().sync(*state_);
    // Read after the sync: the buttons' own record of what they show is kept
    // in the state's types and may have moved the stamp.
    syncedState_ = state_;
    syncedAt_ = shownStamp;
}

void QtPlatform::quit()
{
    quitting_ = true;
    timer1_.stop();
    timer2_.stop();
    QCoreApplication::exit(0);
    help_->close();
    form_->hide();
}

void QtPlatform::happened(const Happening &happening)
{
    form_->canvas().hear(happening);
}

void QtPlatform::windowClosing()
{
    if (events_)
        events_->onClose();
    if (!quitting_)
        quit();
}

} // namespace pipstone
