// own
#include "window_fixture.h"

// Qt
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace pipstone::testing {
namespace {

using Window = WindowTest;

TEST_F(Window, HasAFixedClientAreaAndTheGamesCaption)
{
    show();
    QWidget &form = platform.window();
    EXPECT_EQ(form.size(), QSize(799, 625));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Pipstone"));
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST_F(Window, FollowsTheCaptionOfTheState)
{
    state.caption = "Pipstone - hand 2";
    platform.stateChanged();
    EXPECT_EQ(platform.window().windowTitle(), QStringLiteral("Pipstone - hand 2"));
}

struct ButtonCase {
    QString caption;
    QRect place; // pixels: the twips of the layout divided by 15
    ButtonId id;
};

const std::vector<ButtonCase> kButtons = {
    {QStringLiteral("New Game"), QRect(9, 591, 100, 27), ButtonId::NewGame},
    {QStringLiteral("Cheat Comp."), QRect(117, 591, 100, 27), ButtonId::CheatComp},
    {QStringLiteral("Get Card"), QRect(3, 478, 73, 23), ButtonId::GetCard},
};

TEST_F(Window, ShowsTheThreeButtonsAtTheirPlaces)
{
    show();
    for (const ButtonCase &c : kButtons) {
        QPushButton *b = button(c.caption);
        ASSERT_NE(b, nullptr) << c.caption.toStdString();
        EXPECT_EQ(b->geometry(), c.place) << c.caption.toStdString();
        EXPECT_TRUE(b->isVisible());
        EXPECT_TRUE(b->font().bold());
        EXPECT_EQ(b->font().pixelSize(), 15); // 11.25 points
    }
}

TEST_F(Window, ButtonsReportClicksAndTheMousePassingOver)
{
    show();
    for (const ButtonCase &c : kButtons) {
        events.clicks.clear();
        events.hovers.clear();
        QTest::mouseMove(button(c.caption), QPoint(10, 10));
        QTest::mouseClick(button(c.caption), Qt::LeftButton);
        EXPECT_EQ(events.clicks, std::vector<ButtonId>{c.id}) << c.caption.toStdString();
        ASSERT_FALSE(events.hovers.empty()) << c.caption.toStdString();
        EXPECT_EQ(events.hovers.front(), c.id);
    }
    EXPECT_TRUE(events.mouse.empty()); // the canvas under the buttons heard nothing
}

TEST_F(Window, ButtonsFollowTheStateEnabledAndCaption)
{
    show();
    state.PushButton3.Enabled = false;
    state.PushButton2.Caption = "Hide Comp.";
    platform.stateChanged();
    EXPECT_FALSE(button(QStringLiteral("Get Card"))->isEnabled());
    ASSERT_NE(button(QStringLiteral("Hide Comp.")), nullptr);
    QTest::mouseClick(button(QStringLiteral("Get Card")), Qt::LeftButton);
    EXPECT_TRUE(events.clicks.empty());
}

TEST_F(Window, AfterTheFirstHoverTheWholeWindowShowsTheCustomPointer)
{
    copyAsset(QStringLiteral("HAND-M.CUR"));
    ASSERT_TRUE(platform.loadPointer("HAND-M.CUR"));
    platform.stateChanged();
    EXPECT_EQ(platform.window().cursor().shape(), Qt::ArrowCursor);
    state.customPointer = true;
    platform.stateChanged();
    EXPECT_EQ(platform.window().cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(platform.window().cursor().hotSpot(), QPoint(5, 0));
    EXPECT_EQ(button(QStringLiteral("New Game"))->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(Window, WithoutACursorFileTheCustomPointerIsTheArrow)
{
    EXPECT_FALSE(platform.loadPointer("HAND-M.CUR"));
    state.customPointer = true;
    platform.stateChanged();
    EXPECT_EQ(platform.window().cursor().shape(), Qt::ArrowCursor);
}

// Closes the next modal box once it is up, and tells what it showed.
struct BoxSeen {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

void closeTheBoxSoon(BoxSeen &seen)
{
    QTimer::singleShot(20, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->text(), box->windowTitle(), box->icon(), static_cast<int>(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
}

TEST_F(Window, MessageBoxesShowTheirLinesAndReturnWhenClosed)
{
    show();
    BoxSeen seen;
    closeTheBoxSoon(seen);
    platform.messageBox("You Win This Hand\r\nScore = 012", "  Brisk Domino     Max Score = 101  ");
    EXPECT_EQ(seen.text, QStringLiteral("You Win This Hand\nScore = 012"));
    EXPECT_EQ(seen.title, QStringLiteral("  Brisk Domino     Max Score = 101  "));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, 1);

    closeTheBoxSoon(seen);
    platform.messageBox("Computer Will Start", "");
    EXPECT_EQ(seen.text, QStringLiteral("Computer Will Start"));
}

TEST_F(Window, ClosingTellsTheGameAndEndsTheProgramsLoop)
{
    show();
    QTimer::singleShot(0, &platform.window(), [this] { platform.window().close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(events.closes, 1);
    EXPECT_FALSE(platform.window().isVisible());
}

TEST_F(Window, ClosingInsideAWaitEndsTheWaitAndTheLoop)
{
    show();
    bool waitEnded = false;
    QTimer::singleShot(0, [this, &waitEnded] {
        // A long step of the game: it waits until the window closes.
        const std::int64_t giveUp = platform.tickCount() + 5000;
        while (events.closes == 0 && platform.tickCount() < giveUp)
            platform.waitForEvents(giveUp);
        waitEnded = true;
    });
    QTimer::singleShot(30, [this] { platform.window().close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(waitEnded);
    EXPECT_EQ(events.closes, 1);
}

TEST_F(Window, ClosingWhileAMessageBoxIsUpEndsBoth)
{
    show();
    bool boxReturned = false;
    QTimer::singleShot(0, [this, &boxReturned] {
        platform.messageBox("Computer Will Take Extra Card", "");
        boxReturned = true;
    });
    QTimer::singleShot(50, [this] { platform.window().close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(boxReturned);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // After the end no box may open an event loop of its own again.
    platform.messageBox("too late", "");
}

} // namespace
} // namespace pipstone::testing
