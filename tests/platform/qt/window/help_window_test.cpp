// own
#include "platform/qt/window/help_window.h"
#include "platform/qt/window/input_hold.h"
#include "platform/qt/qt_test_support.h"

// Qt
#include <QFileInfo>
#include <QProcess>
#include <QTextBrowser>

// std
#include <memory>

namespace pipstone::testing {
namespace {

// The page the build puts beside the program.
QString builtHelpPage()
{
    return QFileInfo(builtAsset(QStringLiteral("doc/help.html"))).canonicalFilePath();
}

// Whether the openers started for the game window have all been heard from.
bool openersDone(const QWidget &gameWindow)
{
    return gameWindow.findChildren<QProcess *>().isEmpty();
}

// The desktop's opener shows the page when it can; when there is none, or it
// fails, the game's own window shows it, beside the game: not modal, and
// taking keys while the game window is held under a message box.
TEST(HelpWindowTest, ShowsThePageItselfExactlyWhenTheOpenerCannot)
{
    const QString page = builtHelpPage();
    ASSERT_FALSE(page.isEmpty());
    const struct {
        const char *name;
        QString opener;
        bool ownWindow;
    } cases[] = {
        {"an opener that opens the page", QStringLiteral("true"), false},
        {"an opener that finds no viewer", QStringLiteral("false"), true},
        {"no opener installed", QStringLiteral("/nonexistent/xdg-open"), true},
    };
    for (const auto &c : cases) {
        QWidget game;
        game.show();
        HelpWindow help(game, c.opener);
        help.open(page);
        ASSERT_TRUE(QTest::qWaitFor([&] { return openersDone(game); }, 10000)) << c.name;
        QCoreApplication::processEvents();
        QTextBrowser *own = help.ownWindow();
        ASSERT_EQ(own != nullptr && own->isVisible(), c.ownWindow) << c.name;
        if (!own)
            continue;
        EXPECT_TRUE(own->isWindow()) << c.name;
        EXPECT_EQ(own->windowModality(), Qt::NonModal) << c.name;
        EXPECT_EQ(own->windowTitle(), QStringLiteral("Pipstone Help")) << c.name;
        EXPECT_EQ(own->source(), QUrl::fromLocalFile(page)) << c.name;
        EXPECT_TRUE(own->toPlainText().contains(QStringLiteral("How to play Pipstone"))) << c.name;

        const InputHold hold(game, game); // a message box is open over the game
        QTest::keyClick(own, Qt::Key_Escape);
        EXPECT_FALSE(help.ownWindow() && help.ownWindow()->isVisible()) << c.name << ": Escape left it open";
    }
}

// Asked again, the page comes up in the one window; the game window's end
// takes the help window with it.
TEST(HelpWindowTest, OneWindowThatEndsWithTheGame)
{
    const QString page = builtHelpPage();
    auto game = std::make_unique<QWidget>();
    HelpWindow help(*game, QStringLiteral("false"));
    for (int i = 0; i < 2; ++i) {
        help.open(page);
        ASSERT_TRUE(QTest::qWaitFor([&] { return openersDone(*game); }, 10000));
        QCoreApplication::processEvents();
    }
    ASSERT_NE(help.ownWindow(), nullptr);
    int shown = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        shown += qobject_cast<QTextBrowser *>(w) && w->isVisible();
    EXPECT_EQ(shown, 1);
    help.close();
    EXPECT_FALSE(help.ownWindow() && help.ownWindow()->isVisible());
    help.open(page);
    ASSERT_TRUE(QTest::qWaitFor([&] { return openersDone(*game); }, 10000));
    QCoreApplication::processEvents();
    ASSERT_NE(help.ownWindow(), nullptr);
    game.reset();
    EXPECT_EQ(help.ownWindow(), nullptr);
}

} // namespace
} // namespace pipstone::testing
