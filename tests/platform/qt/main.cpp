// The widget tests need a QApplication alive for the whole run. They run on
// Qt's offscreen platform unless told otherwise, also when the test runner
// only lists them on a machine without a display.

// Qt
#include <QApplication>

// std
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
