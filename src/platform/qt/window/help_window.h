#pragma once

// Qt
#include <QPointer>
#include <QString>

class QTextBrowser;
class QWidget;

namespace pipstone {

// Shows the game's help page so that the player always sees it: in the
// desktop's own viewer through its opener (xdg-open) when that opens the page,
// and otherwise, when there is no opener or it fails, in a window of the
// game's own. That window is no message box: it is not modal, the game goes on
// beside it, it sends nothing to the game, and it closes with the game's
// window, which owns it.
class HelpWindow {
public:
    explicit HelpWindow(QWidget &gameWindow, QString opener = QStringLiteral("xdg-open"));

    // Returns at once; a failing opener is noticed later, from the event loop.
    void open(const QString &page);
    void close();

    // The game's own window of the page, once it has been needed.
    QTextBrowser *ownWindow() const;

private:
    void showOwnWindow(const QString &page);

    QWidget &gameWindow_;
    QString opener_;
    QPointer<QTextBrowser> own_;
};

} // namespace pipstone
