#include "platform/qt/window_icon.h"

// Qt
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// std
#include <utility>

namespace pipstone {

namespace {

QPixmap renderedAt(const QString &drawing, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(drawing).render(&painter);
    return pixmap;
}

} // namespace

QIcon dominoIcon()
{
    // Scaled down below 32 pixels the six over five blurs into grey; the
    // small drawings put fewer, larger pips on whole pixels.
    const std::pair<int, QString> drawings[] = {
        {16, QStringLiteral(":/icons/pipstone-16.svg")}, {24, QStringLiteral(":/icons/pipstone-24.svg")},
        {32, QStringLiteral(":/icons/pipstone.svg")},    {48, QStringLiteral(":/icons/pipstone.svg")},
        {64, QStringLiteral(":/icons/pipstone.svg")},    {128, QStringLiteral(":/icons/pipstone.svg")},
        {256, QStringLiteral(":/icons/pipstone.svg")}};
    QIcon icon;
    for (const auto &[size, drawing] : drawings)
        icon.addPixmap(renderedAt(drawing, size));
    return icon;
}

} // namespace pipstone
