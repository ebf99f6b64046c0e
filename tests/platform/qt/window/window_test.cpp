// own
#include "platform/qt/qt_test_support.h"

// Qt
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <qpa/qplatformwindow.h>

namespace pipstone::testing {
namespace {

using Window = WindowTest;

const std::pair<QString, ButtonId> kButtons[] = {{QStringLiteral("New Game"), ButtonId::NewGame},
                                                 {QStringLiteral("Cheat Comp."), ButtonId::CheatComp},
                                                 {QStringLiteral("Get Card"), ButtonId::GetCard}};

TEST_F(Window, OpensWithItsSizeCaptionAndButtonsAndClosingEndsTheLoopAlsoFromInsideAWait)
{
    show();
    EXPECT_EQ(platform.window().size(), QSize(799, 625));
    EXPECT_EQ(platform.window().windowTitle(), QStringLiteral("Pipstone"));
    for (const auto &[caption, id] : kButtons)
        EXPECT_TRUE(button(caption) && button(caption)->isVisible()) << caption.toStdString();
    bool waitEnded = false;
    QTimer::singleShot(0, [this, &waitEnded] {
        const std::int64_t giveUp = platform.tickCount() + 5000; // a step waiting until the window closes
        while (events.closes == 0 && platform.tickCount() < giveUp)
            platform.waitForEvents(giveUp);
        waitEnded = true;
    });
    QTimer::singleShot(30, [this] { platform.window().close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(waitEnded);
    EXPECT_EQ(events.closes, 1);
    EXPECT_FALSE(platform.window().isVisible());
}

TEST_F(Window, ButtonsReportClicksAndHoversAndFollowTheState)
{
    show();
    for (const auto &[caption, id] : kButtons) {
        events.clicks.clear();
        QTest::mouseMove(&canvas(), QPoint(400, 300)); // from outside the button, whatever ran before
        QTest::mouseMove(button(caption), QPoint(10, 10));
        QTest::mouseClick(button(caption), Qt::LeftButton);
        EXPECT_EQ(events.clicks, std::vector<ButtonId>{id}) << caption.toStdString();
        EXPECT_TRUE(!events.hovers.empty() && events.hovers.back() == id) << caption.toStdString();
    }
    state.caption = "Pipstone - hand 2";
    state.PushButton3.Enabled = false;
    state.PushButton2.Caption = "Hide Comp.";
    platform.stateChanged();
    EXPECT_EQ(platform.window().windowTitle(), QStringLiteral("Pipstone - hand 2"));
    EXPECT_NE(button(QStringLiteral("Hide Comp.")), nullptr);
    events.clicks.clear();
    QTest::mouseClick(button(QStringLiteral("Get Card")), Qt::LeftButton);
    EXPECT_TRUE(events.clicks.empty());
}

// A skin puts the board on the button face; the buttons it styles are
// touched only when their record changes.
TEST_F(Window, UnderASkinTheBoardTakesTheButtonFaceAndTheButtonsAreTouchedOnlyWhenTheirRecordChanges)
{
    show();
    EXPECT_EQ(picture().pixelColor(400, 30), Qt::white);
    QDir(folder.path()).mkpath(QStringLiteral("x"));
    const QByteArray sheet = "QPushButton { font: bold 40px serif; }";
    ASSERT_TRUE(writeFile(folder.filePath(QStringLiteral("x/o.cjs")), sheet));
    const QColor face = platform.window().palette().color(QPalette::Button);
    platform.applySkin("x/o.cjs");
    EXPECT_EQ(platform.window().styleSheet(), QString::fromUtf8(sheet));
    EXPECT_EQ(picture().pixelColor(400, 30), face);
    struct Touches : QObject {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            const auto type = event->type();
            count += type == QEvent::FontChange || type == QEvent::StyleChange || type == QEvent::EnabledChange ||
                     type == QEvent::Move || type == QEvent::Resize || type == QEvent::Paint;
            return false;
        }
    } touches;
    QTest::qWait(20);
    for (QPushButton *b : platform.window().findChildren<QPushButton *>())
        b->installEventFilter(&touches);
    // Every other tick changes a label far from the buttons: the window then
    // looks at the buttons' records, which have not changed.
    for (int tick = 0; tick < 10; ++tick) {
        platform.repaintNow();
        state.Label3.Caption = tick % 2 == 0 ? "Score" : "Score:";
        platform.stateChanged();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(touches.count, 0) << "ticks that leave the buttons' records alone restyle the buttons";
    state.PushButton3.Enabled = false;
    platform.repaintNow();
    EXPECT_FALSE(button(QStringLiteral("Get Card"))->isEnabled());
    EXPECT_GT(touches.count, 0);
}

TEST_F(Window, AfterTheFirstHoverTheWholeWindowShowsTheCustomPointer)
{
    copyAsset(QStringLiteral("HAND-M.CUR"));
    ASSERT_TRUE(platform.loadPointer("HAND-M.CUR"));
    platform.stateChanged();
    EXPECT_EQ(platform.window().cursor().shape(), Qt::ArrowCursor);
    state.customPointer = true;
    platform.stateChanged();
    EXPECT_EQ(platform.window().cursor().hotSpot(), QPoint(5, 0));
    EXPECT_EQ(button(QStringLiteral("New Game"))->cursor().shape(), Qt::BitmapCursor);
}

// The title the window manager shows, as the platform windows write it.
struct ShownTitle : QPlatformWindow {
    static QString of(const QWidget &w) { return formatWindowTitle(w.windowTitle(), QStringLiteral(" - ")); }
};

// A box shows its lines under its own title, or the game's name when it has
// none; it returns when closed and ends with the window.
TEST_F(Window, MessageBoxesShowTheirLinesReturnWhenClosedAndEndWithTheWindow)
{
    show();
    QString text, title, untitled;
    bool boxReturned = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(20, [&] {
            auto *box = openBox();
            ASSERT_NE(box, nullptr);
            std::tie(text, title) = std::pair(box->text(), ShownTitle::of(*box));
            box->button(QMessageBox::Ok)->click();
        });
        platform.messageBox("You Win This Hand\r\nScore = 012", "  Brisk Domino     Max Score = 101  ");
        QTimer::singleShot(50, [&] {
            if (QMessageBox *box = openBox())
                untitled = ShownTitle::of(*box);
            platform.window().close();
        });
        platform.messageBox("Computer Will Take Extra Card", ""); // left open until the window closes
        boxReturned = true;
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(text, QStringLiteral("You Win This Hand\nScore = 012"));
    EXPECT_EQ(title, QStringLiteral("  Brisk Domino     Max Score = 101  "));
    EXPECT_EQ(untitled, QStringLiteral("Pipstone"));
    EXPECT_TRUE(boxReturned);
    EXPECT_EQ(openBox(), nullptr);
    platform.messageBox("too late", ""); // no box may open a loop of its own again
}

// While a box is open the window takes nothing from the user (neither the
// board, nor the buttons, nor the keys) but the release of a mouse button
// pressed on the board before the box opened: the game must learn it is up.
TEST_F(Window, UnderAMessageBoxTheWindowTakesNoInputButTheReleaseOfAButtonPressedBefore)
{
    show();
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, QPoint(100, 300));
    ASSERT_EQ(events.mouse.size(), 1u);
    events.mouse.clear();
    QTimer::singleShot(20, [&] {
        QTest::mouseMove(&canvas(), QPoint(110, 310));
        QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, QPoint(120, 320));
        QTest::mouseClick(&canvas(), Qt::LeftButton, {}, QPoint(200, 300));
        QTest::mouseClick(&canvas(), Qt::RightButton, {}, QPoint(200, 300));
        QTest::keyClick(&canvas(), Qt::Key_Up);
        QTest::keyClick(&platform.window(), Qt::Key_G);
        QTest::mouseClick(button(QStringLiteral("Get Card")), Qt::LeftButton);
        ASSERT_NE(openBox(), nullptr);
        openBox()->button(QMessageBox::Ok)->click();
    });
    platform.messageBox("Player Has No Cards To Move", "");
    ASSERT_EQ(events.mouse.size(), 1u);
    EXPECT_EQ(std::pair(events.mouse[0].kind, events.mouse[0].button), std::pair('u', kLeftButton));
    EXPECT_TRUE(events.keys.empty());
    EXPECT_TRUE(events.clicks.empty());
}

} // namespace
} // namespace pipstone::testing
