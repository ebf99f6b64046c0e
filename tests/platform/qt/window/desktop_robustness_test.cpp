// What a desktop does to the window must never hurt a hand: a close request
// through the window system ends the game in every state, stray keys deal no
// hand, the texts fit their frames, and the board keeps its one size.

// own
#include "platform/qt/live_game.h"

// Qt
#include <QFontMetricsF>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

// std
#include <gtest/gtest.h>

namespace pipstone::testing {
namespace {

constexpr std::uint64_t kSeed = 20250101;

void clickButton(LiveGame &live, const std::string &caption)
{
    QPushButton *b = live.button(caption);
    QTest::mouseClick(live.window().windowHandle(), Qt::LeftButton, {}, b->mapTo(&live.window(), b->rect().center()));
}

// A state of the game, brought about once the first hand is dealt.
struct CloseCase {
    const char *state;
    int answerBoxesAfterMs;
    std::function<void(LiveGame &)> bringAbout;
    std::function<bool(LiveGame &)> reached;
};

const CloseCase kCloseCases[] = {
    {"a box open", 1 << 30, [](LiveGame &live) { live.platform.messageBox("Computer Will Take Extra Card", ""); },
     [](LiveGame &) { return openBox() != nullptr; }},
    {"the computer's tile in flight", 0,
     [](LiveGame &live) {
         // The player opens with the first tile; the computer answers at once.
         for (Qt::Key key : {Qt::Key_Home, Qt::Key_Up})
             QTest::keyClick(live.window().windowHandle(), key);
     },
     [](LiveGame &live) { return live.s().Cover.Visible; }},
    {"the cheat view", 0, [](LiveGame &live) { clickButton(live, "Cheat Comp."); },
     [](LiveGame &live) { return live.s().Showcomppic == 1; }},
};

TEST(DesktopRobustness, ACloseRequestFromTheWindowSystemEndsTheGameInEveryState)
{
    for (const CloseCase &row : kCloseCases) {
        LiveGame live{kSeed};
        BoxWatch answers{[&row] { return row.answerBoxesAfterMs; }};
        ASSERT_TRUE(live.start()) << row.state;
        bool sent = false;
        QTimer poll, giveUp;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!sent && row.reached(live)) {
                sent = true;
                QWindowSystemInterface::handleCloseEvent(live.window().windowHandle());
            }
        });
        QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        poll.start(1);
        giveUp.start(15000);
        QTimer::singleShot(50, &poll, [&] { row.bringAbout(live); });
        EXPECT_EQ(QApplication::exec(), 0) << row.state;
        EXPECT_TRUE(sent) << row.state;
        EXPECT_TRUE(live.game.closed()) << row.state;
        EXPECT_EQ(openBox(), nullptr) << row.state;
    }
}

TEST(DesktopRobustness, SpaceAndEnterNeverDealANewHand)
{
    LiveGame live{kSeed};
    BoxWatch answers;
    ASSERT_TRUE(live.start());
    int deals = 0;
    QObject::connect(live.button("New Game"), &QPushButton::clicked, [&] { ++deals; });
    clickButton(live, "New Game"); // a button clicked with the mouse used to keep the focus
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Space}) {
        QTest::keyClick(live.window().windowHandle(), key);
        QTest::qWait(10);
    }
    EXPECT_EQ(deals, 1);
    for (QPushButton *b : live.window().findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->text().toStdString();
}

using Window = WindowTest;

TEST_F(Window, EveryLabelsTextFitsItsFrameInTheFontsTheGameUses)
{
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        GTEST_SKIP() << "fonts-wine is not installed";
    // The player's "Score" is wider than its box in any face; it may run up to the score.
    const std::pair<const Label *, float> kLabelsAndRightEdges[] = {
        {&state.Label2, state.Label2.Left + state.Label2.Width},
        {&state.Label3, state.Label3.Left + state.Label3.Width},
        {&state.compscore, state.compscore.Left + state.compscore.Width},
        {&state.Label5, state.Label5.Left + state.Label5.Width},
        {&state.Label4, state.playerscore.Left},
        {&state.playerscore, state.playerscore.Left + state.playerscore.Width}};
    for (const auto &[label, rightEdge] : kLabelsAndRightEdges) {
        const QString text = QString::fromStdString(label->Caption);
        EXPECT_LE(QFontMetricsF(toQFont(label->font)).horizontalAdvance(text), (rightEdge - label->Left) / kTwipsPerPixel)
            << label->Caption;
    }
}

TEST_F(Window, OffersNoMaximiseAndComesBackToItsSizeFromMaximisedOrFullScreen)
{
    show();
    QWidget &window = platform.window();
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    for (const auto &makeBig : std::initializer_list<std::function<void()>>{
             [&] { window.setWindowState(Qt::WindowMaximized); }, [&] { window.showFullScreen(); }}) {
        makeBig();
        QTest::qWait(20);
        EXPECT_EQ(window.windowState(), Qt::WindowNoState);
        EXPECT_EQ(window.size(), QSize(799, 625));
    }
}

} // namespace
} // namespace pipstone::testing
