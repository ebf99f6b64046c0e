// The game's window with its labels and buttons but no game (see
// text_window.h), with the same watch on its first frame as the game. Built
// with PIPSTONE_BENCH_TIMERS it also runs two empty timers of the game's
// 100 ms interval: the "timer window", the floor of the game's idle cost.

// own
#include "app/timing.h"
#include "first_frame.h"
#include "text_window.h"

// Qt
#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    const int idleMs = pipstone::bench::idleMsFromArguments(argc, argv);
    QApplication app(argc, argv);
    pipstone::bench::TextWindow window;
#ifdef PIPSTONE_BENCH_TIMERS
    QTimer timer1, timer2;
    for (QTimer *timer : {&timer1, &timer2}) {
        QObject::connect(timer, &QTimer::timeout, [] {});
        timer->start(pipstone::timing::kTimerInterval);
    }
#endif
    pipstone::bench::FirstFrame watch(window, idleMs);
    window.show();
    return app.exec();
}
