#include "platform/qt/window_icon.h"

// own
#include "platform/qt/tile_pictures.h"

// Qt
#include <QPainter>
#include <QPixmap>

namespace pipstone {

QIcon dominoIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            const qreal half = size / 2.0;
            const qreal left = (size - half) / 2;
            drawTilePicture(painter, QRectF(left, 0, half, half), kFirstUprightFace + 6);
            drawTilePicture(painter, QRectF(left, half, half, half), kFirstUprightFace + 5);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace pipstone
