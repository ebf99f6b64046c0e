// own
#include "platform/qt/window/window_icon.h"

// Qt
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// std
#include <gtest/gtest.h>

namespace pipstone {
namespace {

// The installed icon's drawing that a desktop shows at `side` pixels: its
// own drawings at 16 and 24, the scalable one above.
QImage installedIcon(int side)
{
    const char *file = side <= 16 ? "pipstone-16.svg" : side <= 24 ? "pipstone-24.svg" : "pipstone.svg";
    QSvgRenderer drawing(QStringLiteral(PIPSTONE_SOURCE_DIR "/packaging/icons/") + QLatin1String(file));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter, QRectF(0, 0, side, side));
    return image;
}

// The window icon draws the installed icon's shapes itself, so that the game
// needs no SVG library: at every size it hands the window manager, it shows
// what the installed icon shows, pixel for pixel.
TEST(WindowIcon, EverySizeShowsTheInstalledIcon)
{
    const QIcon icon = dominoIcon();
    for (const QSize &size : icon.availableSizes()) {
        const QImage expected = installedIcon(size.width());
        const QImage drawn = icon.pixmap(size).toImage().convertToFormat(expected.format());
        ASSERT_EQ(drawn.size(), size);
        EXPECT_TRUE(drawn == expected) << size.width() << " pixels";
    }
}

} // namespace
} // namespace pipstone
