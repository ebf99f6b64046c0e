// own
#include "window_fixture.h"

// Qt
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace pipstone::testing {
namespace {

using Window = WindowTest;

const struct {
    QString caption;
    QRect place; // pixels: the twips of the layout divided by 15
    ButtonId id;
} kButtons[] = {
    {QStringLiteral("New Game"), QRect(9, 591, 100, 27), ButtonId::NewGame},
    {QStringLiteral("Cheat Comp."), QRect(117, 591, 100, 27), ButtonId::CheatComp},
    {QStringLiteral("Get Card"), QRect(3, 478, 73, 23), ButtonId::GetCard},
};

TEST_F(Window, OpensAtItsClientSizeWithTheCaptionAndTheButtons)
{
    show();
    QWidget &form = platform.window();
    EXPECT_EQ(form.size(), QSize(799, 625));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Pipstone"));
    state.caption = "Pipstone - hand 2";
    platform.stateChanged();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Pipstone - hand 2"));
    for (const auto &c : kButtons) {
        QPushButton *b = button(c.caption);
        ASSERT_NE(b, nullptr) << c.caption.toStdString();
        EXPECT_EQ(b->geometry(), c.place) << c.caption.toStdString();
        EXPECT_TRUE(b->isVisible());
    }
}

TEST_F(Window, ButtonsReportClicksAndTheMousePassingOver)
{
    show();
    for (const auto &c : kButtons) {
        events.clicks.clear();
        events.hovers.clear();
        QTest::mouseMove(&canvas(), QPoint(400, 300)); // from outside the button, whatever ran before
        QTest::mouseMove(button(c.caption), QPoint(10, 10));
        QTest::mouseClick(button(c.caption), Qt::LeftButton);
        EXPECT_EQ(events.clicks, std::vector<ButtonId>{c.id}) << c.caption.toStdString();
        ASSERT_FALSE(events.hovers.empty()) << c.caption.toStdString();
        EXPECT_EQ(events.hovers.back(), c.id);
    }
    // Disabled, or captioned anew, as the state says.
    state.PushButton3.Enabled = false;
    state.PushButton2.Caption = "Hide Comp.";
    platform.stateChanged();
    ASSERT_NE(button(QStringLiteral("Hide Comp.")), nullptr);
    events.clicks.clear();
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

TEST_F(Window, MessageBoxesShowTheirLinesAndReturnWhenClosed)
{
    show();
    QMessageBox *seen = nullptr;
    QString text, title;
    QTimer::singleShot(20, [&] {
        seen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(seen, nullptr);
        text = seen->text();
        title = seen->windowTitle();
        EXPECT_EQ(seen->icon(), QMessageBox::Information);
        EXPECT_EQ(seen->buttons().size(), 1);
        seen->button(QMessageBox::Ok)->click();
    });
    platform.messageBox("You Win This Hand\r\nScore = 012", "  Brisk Domino     Max Score = 101  ");
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(text, QStringLiteral("You Win This Hand\nScore = 012"));
    EXPECT_EQ(title, QStringLiteral("  Brisk Domino     Max Score = 101  "));
}

TEST_F(Window, ClosingEndsTheProgramsLoopAlsoFromInsideAWait)
{
    show();
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
    platform.messageBox("too late", ""); // no box may open a loop of its own again
}

} // namespace
} // namespace pipstone::testing
