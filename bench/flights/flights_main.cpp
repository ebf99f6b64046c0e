// Times the game's flights on the real Qt toolkit (offscreen unless told
// otherwise) and holds each against its floor: the same flight on the
// headless toolkit, whose virtual clock moves only while the game waits, so
// that there it lasts exactly the sum of its waits. Prints one line per kind
// of flight: "<name> <hands> <mean ms> <mean floor ms> <median ratio>".
// Then "draw-start <first ms> <later median ms>": how long after the press of
// Get Card the tile first showed, at the first draw after start-up and at
// the later ones (-1 for a hand without one). Then times the game's wait step
// alone, as often as it is asked for each of its waits, and prints the
// shortest: "wait-step <asked ms> <shortest ms> <steps>".

// own
#include "app/game_window.h"
#include "app/timing.h"
#include "flight_scenario.h"
#include "flight_watch.h"
#include "platform/headless/headless_platform.h"
#include "platform/qt/qt_platform.h"
#include "tiles/random_source.h"

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
#include <memory>
#include <vector>

namespace {

constexpr int kHands = 5;

struct Samples {
    std::vector<double> wall, floor;

    void add(double w, double f)
    {
        if (w < 0 || f <= 0)
            return;
        wall.push_back(w);
        floor.push_back(f);
    }

    void print(const char *name) const
    {
        if (wall.empty()) {
            std::printf("%s 0 0 0 0\n", name);
            return;
        }
        std::vector<double> ratios;
        double w = 0, f = 0;
        for (std::size_t i = 0; i < wall.size(); ++i) {
            ratios.push_back(wall[i] / floor[i]);
            w += wall[i];
            f += floor[i];
        }
        std::sort(ratios.begin(), ratios.end());
        const std::size_t n = ratios.size();
        const double median = n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
        std::printf("%s %zu %.2f %.2f %.4f\n", name, n, w / n, f / n, median);
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
    for (int seed = 1; seed <= kHands; ++seed) {
        const auto real = pipstone::bench::flyOnce(onQt, seed, showOnce);
        const auto waits = pipstone::bench::flyOnce(onVirtualClock, seed, [] {});
        computer.add(real.computerMs, waits.computerMs);
        draw.add(real.drawMs, waits.drawMs);
        drawStarts.push_back(real.drawStartMs);
    }
    computer.print("computer-flight");
    draw.print("draw-flight");
    std::vector<double> later(drawStarts.begin() + 1, drawStarts.end());
    std::sort(later.begin(), later.end());
    const std::size_t n = later.size();
    std::printf("draw-start %.2f %.2f\n", drawStarts.front(),
                n % 2 ? later[n / 2] : (later[n / 2 - 1] + later[n / 2]) / 2);

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
