#include "platform/qt/window/window_icon.h"

// Qt
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace pipstone {

namespace {

// Draws the icon from its drawings only when the window system asks for a
// size, so a window that never shows its icon never pays for it. Scaled down
// below 32 pixels the six over five blurs into grey; the small drawings put
// fewer, larger pips on whole pixels.
class DominoIconEngine : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(drawingFor(std::min(rect.width(), rect.height()))).render(painter, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new DominoIconEngine; }

private:
    static QString drawingFor(int side)
    {
        if (side <= 16)
            return QStringLiteral(":/icons/pipstone-16.svg");
        if (side <= 24)
            return QStringLiteral(":/icons/pipstone-24.svg");
        return QStringLiteral(":/icons/pipstone.svg");
    }
};

} // namespace

QIcon dominoIcon()
{
    return QIcon(new DominoIconEngine);
}

} // namespace pipstone
