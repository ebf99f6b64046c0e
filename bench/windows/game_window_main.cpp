// The game as the program starts it, with the dealt hand waiting for the
// player, plus a watch on its first frame (see first_frame.h). "folder <path>"
// names another program folder, e.g. one with a skin in it.

// own
#include "app/game_window.h"
#include "first_frame.h"
#include "platform/qt/qt_platform.h"
#include "tiles/random_source.h"

// Qt
#include <QApplication>
#include <QWidget>

// std
#include <memory>

int main(int argc, char **argv)
{
    const int idleMs = pipstone::bench::idleMsFromArguments(argc, argv);
    QApplication app(argc, argv);
    // By default the folder of the built program, where its pointer and sound lie.
    pipstone::QtPlatform platform(QString::fromLocal8Bit(pipstone::bench::optionValue(argc, argv, "folder", PIPSTONE_PROGRAM_DIR)));
    pipstone::GameWindow game(platform, std::make_unique<pipstone::ClockRandomSource>());
    pipstone::bench::FirstFrame watch(platform.window(), idleMs);
    game.Form_Load();
    platform.window().show();
    return app.exec();
}
