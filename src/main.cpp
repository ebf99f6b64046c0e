// Pipstone: dominoes against the computer with the double-six set.

// own
#include "app/game_window.h"
#include "platform/qt/qt_platform.h"
#include "tiles/random_source.h"

// Qt
#include <QApplication>
#include <QWidget>

// std
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    pipstone::QtPlatform platform;
    pipstone::GameWindow game(platform, std::make_unique<pipstone::ClockRandomSource>());
    game.Form_Load();
    platform.window().show();
    const int code = app.exec();
    // Closing the window ends the program at once: nothing is saved or
    // cleaned up. The sound system's own teardown is skipped with the rest;
    // it can trip over a sound still on its way to the speaker.
    std::fflush(nullptr);
    std::_Exit(code);
}
