#pragma once

// Qt
#include <QHash>
#include <QPixmap>
#include <QSizeF>

namespace pipstone {

// The tile pictures, painted once per picture, size and screen scale and then
// copied: painting a face from its shapes costs far more than a copy, and a
// flight repaints dozens of halves at every step.
class PictureCache {
public:
    const QPixmap &picture(int picture, QSizeF logicalSize, qreal devicePixelRatio);

private:
    QHash<quint64, QPixmap> pixmaps_;
};

} // namespace pipstone
