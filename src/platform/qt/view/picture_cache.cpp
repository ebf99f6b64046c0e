#include "platform/qt/view/picture_cache.h"

// own
#include "platform/qt/view/tile_pictures.h"

// Qt
#include <QPainter>

namespace pipstone {

const QPixmap &PictureCache::picture(int picture, QSizeF logicalSize, qreal devicePixelRatio)
{
    const QSize pixels = (logicalSize * devicePixelRatio).toSize();
    const quint64 key = (quint64(picture) << 40) | (quint64(pixels.width()) << 20) | quint64(pixels.height());
    auto found = pixmaps_.find(key);
    if (found != pixmaps_.end())
        return *found;
    QPixmap pixmap(pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawTilePicture(painter, QRectF(QPointF(0, 0), QSizeF(pixels) / devicePixelRatio), picture);
    painter.end();
    return *pixmaps_.insert(key, pixmap);
}

} // namespace pipstone
