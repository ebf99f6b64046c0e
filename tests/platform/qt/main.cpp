// The widget tests need a QApplication alive for the whole run. They run on
// Qt's offscreen platform unless told otherwise, also when the test runner
// only lists them on a machine without a display.

// Qt
#include <QApplication>

// std
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    // Ends as the game does: the sound system's teardown can trip over a
    // sound still on its way to the speaker.
    std::fflush(nullptr);
    std::_Exit(failed);
}
