// Pipstone: dominoes against the computer with the double-six set.

// own
#include "app/game_window.h"
#include "platform/qt/qt_platform.h"
#include "tiles/random_source.h"

// Qt
#include <QApplication>
#include <QWidget>

// std
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    pipstone::QtPlatform platform;
    pipstone::GameWindow game(platform, std::make_unique<pipstone::ClockRandomSource>());
    game.Form_Load();
    platform.window().show();
    return app.exec();
}
