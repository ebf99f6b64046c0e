#include "platform/qt/qt_conversions.h"

// std
#include <cmath>

namespace pipstone {

QFont toQFont(const Font &font)
{
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    QFont result(QString::fromStdString(font.family));
    result.setPixelSize(static_cast<int>(std::lround(font.points * kPixelsPerPoint)));
    result.setBold(font.bold);
    return result;
}

void installFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
}

} // namespace pipstone
