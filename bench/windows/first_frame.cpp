#include "first_frame.h"

// Qt
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// std
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace pipstone::bench {

namespace {

constexpr int kSettleMs = 1000;

// Processor time of the whole process (every thread), user and system.
double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

FirstFrame::FirstFrame(QWidget &window, int idleMs)
    : window_(window)
    , idleMs_(idleMs)
{
    qApp->installEventFilter(this);
}

bool FirstFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == &window_) {
        seen_ = true;
        qApp->removeEventFilter(this);
        // The window's other widgets paint in the same pass, and the pass
        // ends by flushing the frame; a zero timer runs once it is over.
        QTimer::singleShot(0, this, [this] { framePainted(); });
    }
    return false;
}

void FirstFrame::framePainted()
{
    std::puts("first-frame");
    std::fflush(stdout);
    if (idleMs_ <= 0) {
        QCoreApplication::exit(0);
        return;
    }
    // Idle starts once the window has settled: what a program does once in
    // its first moments (the game gets its sound ready then) belongs to its
    // start, not to its waiting.
    QTimer::singleShot(kSettleMs, this, [this] {
        const double cpuBefore = cpuMs();
        auto *wall = new QElapsedTimer;
        wall->start();
        QTimer::singleShot(idleMs_, this, [cpuBefore, wall] {
            std::printf("idle-cpu-ms %.3f %lld\n", cpuMs() - cpuBefore, static_cast<long long>(wall->elapsed()));
            std::fflush(stdout);
            delete wall;
            QCoreApplication::exit(0);
        });
    });
}

int idleMsFromArguments(int argc, char **argv)
{
    return std::atoi(optionValue(argc, argv, "idle", "0"));
}

const char *optionValue(int argc, char **argv, const char *key, const char *otherwise)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], key) == 0)
            return argv[i + 1];
    return otherwise;
}

} // namespace pipstone::bench
