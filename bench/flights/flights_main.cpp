// Times the game's flights on the real Qt toolkit (offscreen unless told
// otherwise). Each flight also runs on the headless toolkit, whose virtual
// clock moves only while the game waits, so that there it lasts exactly the
// sum of its waits, and the watch notes which waits those are. Prints per
// kind of flight "<name> <hands> <mean ms> <mean sum of waits ms>", then
// "<name>-waits" and one word per hand with its waits (see wait_runs.h),
// for a bare sleep loop of the same waits to be held against it. Then
// "draw-start <first ms> <later median ms>": how long after the press of
// Get Card the tile first showed, at the first draw after start-up and at
// the later ones (-1 for a hand without one). `hands N` plays the hands of
// seeds 1 to N (5 unless told; at least 2). With `wait-steps` it then
// times the game's wait step alone, as often as it is asked for each of its
// waits, and prints the shortest: "wait-step <asked ms> <shortest ms> <steps>".

// own
#include "app/game_window.h"
#include "app/timing.h"
#include "flight_scenario.h"
#include "flight_watch.h"
#include "platform/headless/headless_platform.h"
#include "platform/qt/qt_platform.h"
#include "tiles/random_source.h"
#include "wait_runs.h"

// Qt
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

// std
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// The command line: `hands N` and `wait-steps`, in any order.
struct Options {
    int hands = 5;
    bool waitSteps = false;

    Options(int argc, char **argv)
    {
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], "wait-steps") == 0)
                waitSteps = true;
            else if (std::strcmp(argv[i], "hands") == 0 && i + 1 < argc)
                hands = std::max(2, std::atoi(argv[++i]));
        }
    }
};

// One kind of flight, hand by hand: its wall time on the real toolkit, and
// its waits. A hand in which it did not happen on either toolkit is left out.
struct Samples {
    std::vector<double> wall, floor;
    std::vector<std::vector<double>> waits;

    void add(double w, double f, const std::vector<double> &waited)
    {
        if (w < 0 || f <= 0)
            return;
        wall.push_back(w);
        floor.push_back(f);
        waits.push_back(waited);
    }

    void print(const char *name) const
    {
        const std::size_t n = wall.size();
        double w = 0, f = 0;
        for (std::size_t i = 0; i < n; ++i) {
            w += wall[i];
            f += floor[i];
        }
        std::printf("%s %zu %.3f %.3f\n%s-waits", name, n, n ? w / n : 0, n ? f / n : 0, name);
        for (const std::vector<double> &hand : waits)
            std::printf(" %s", pipstone::bench::writeWaits(hand).c_str());
        std::printf("\n");
    }
};

// The shortest of `steps` waits of `askedMs` on the real toolkit, in ms.
double shortestWait(pipstone::GameWindow &game, double askedMs, int steps)
{
    double shortest = 1e9;
    QElapsedTimer clock;
    for (int i = 0; i < steps; ++i) {
        clock.start();
        game.Delay(askedMs);
        shortest = std::min(shortest, clock.nsecsElapsed() / 1e6);
    }
    return shortest;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    // Nobody is there to press OK.
    QTimer boxCloser;
    QObject::connect(&boxCloser, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeWindow()))
            box->accept();
    });
    boxCloser.start(50);

    pipstone::QtPlatform qt(QStringLiteral(PIPSTONE_PROGRAM_DIR));
    QElapsedTimer wall;
    wall.start();
    pipstone::bench::FlightWatch onQt(qt, [&wall] { return wall.nsecsElapsed() / 1e6; });
    const auto showOnce = [&qt] {
        if (qt.window().isVisible())
            return;
        qt.window().show();
        if (!QTest::qWaitForWindowExposed(&qt.window()))
            std::fprintf(stderr, "the window was never exposed\n");
    };

    pipstone::HeadlessPlatform headless;
    pipstone::bench::FlightWatch onVirtualClock(headless, [&headless] { return double(headless.tickCount()); });

    Samples computer, draw;
    std::vector<double> drawStarts;
    for (int seed = 1; seed <= options.hands; ++seed) {
        const auto real = pipstone::bench::flyOnce(onQt, seed, showOnce);
        const auto waits = pipstone::bench::flyOnce(onVirtualClock, seed, [] {});
        computer.add(real.computerMs, waits.computerMs, waits.computerWaits);
        draw.add(real.drawMs, waits.drawMs, waits.drawWaits);
        drawStarts.push_back(real.drawStartMs);
    }
    computer.print("computer-flight");
    draw.print("draw-flight");
    std::vector<double> later(drawStarts.begin() + 1, drawStarts.end());
    std::sort(later.begin(), later.end());
    const std::size_t n = later.size();
    std::printf("draw-start %.2f %.2f\n", drawStarts.front(),
                n % 2 ? later[n / 2] : (later[n / 2 - 1] + later[n / 2]) / 2);
    std::fflush(stdout);
    if (!options.waitSteps)
        return 0;

    pipstone::GameWindow game(qt, std::make_unique<pipstone::SeededRandomSource>(1));
    game.Form_Load();
    game.state().Timer1.Enabled = false;
    game.state().Timer2.Enabled = false;
    namespace timing = pipstone::timing;
    for (const auto &[asked, steps] : {std::pair{timing::kFlightAcrossWait, 300}, {timing::kFlightDownWait, 100},
                                       {timing::kCheatViewWait, 2}})
        std::printf("wait-step %g %.4f %d\n", asked, shortestWait(game, asked, steps), steps);
    return 0;
}
