// The least a Qt Widgets program can show: an empty white window of the
// game's size, with the same watch on its first frame (see first_frame.h).

// own
#include "first_frame.h"

// Qt
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    const int idleMs = pipstone::bench::idleMsFromArguments(argc, argv);
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(799, 625);
    QPalette white = window.palette();
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
    pipstone::bench::FirstFrame watch(window, idleMs);
    window.show();
    return app.exec();
}
