#include "platform/qt/view/qt_conversions.h"

// Qt
#include <QFontDatabase>
#include <QHash>

// std
#include <cmath>

namespace pipstone {

namespace {

// Debian's fonts-wine ships Tahoma faces with Tahoma's metrics. They are not
// installed for the font system, so the game loads them itself; where they
// are missing, the wider DejaVu Sans stands in.
QStringList familiesWithTahoma()
{
    for (const char *face : {"tahoma.ttf", "tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(face));
    return QFontDatabase::families();
}

// The family to ask for: the named one where it is installed, else its free
// metric-compatible twin, named directly so that the font system does not go
// looking through its fallbacks at every label.
QString installedFamily(const std::string &family)
{
    static const QStringList installed = familiesWithTahoma();
    static QHash<QString, QString> chosen;
    const QString wanted = QString::fromStdString(family);
    auto found = chosen.find(wanted);
    if (found == chosen.end()) {
        const QString twin = QFont::substitute(wanted);
        const bool useTwin = !installed.contains(wanted) && installed.contains(twin);
        found = chosen.insert(wanted, useTwin ? twin : wanted);
    }
    return *found;
}

} // namespace

QFont toQFont(const Font &font)
{
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    QFont result(installedFamily(font.family));
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
