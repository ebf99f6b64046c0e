// Times the game's flights on the real Qt toolkit (offscreen unless told
// otherwise) and holds each against its floor: the same flight on the
// headless toolkit, whose virtual clock moves only while the game waits, so
// that there it lasts exactly the sum of its waits. Prints one line per kind
// of flight: "<name> <hands> <mean ms> <mean floor ms> <median ratio>".

// own
#include "flight_scenario.h"
#include "flight_watch.h"
#include "platform/headless/headless_platform.h"
#include "platform/qt/qt_platform.h"

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
    for (int seed = 1; seed <= kHands; ++seed) {
        const auto real = pipstone::bench::flyOnce(onQt, seed, showOnce);
        const auto waits = pipstone::bench::flyOnce(onVirtualClock, seed, [] {});
        computer.add(real.computerMs, waits.computerMs);
        draw.add(real.drawMs, waits.drawMs);
    }
    computer.print("computer-flight");
    draw.print("draw-flight");
    return 0;
}
