#pragma once

// own
#include "state/controls.h"

// Qt
#include <QColor>
#include <QFont>
#include <QRectF>

// The game measures in twips and names fonts and colours its own way; these
// turn them into what Qt paints with.
namespace pipstone {

// The window is laid out at 15 twips per logical pixel.
inline constexpr double kTwipsPerPixel = 15.0;

inline QRectF pixelRect(float left, float top, float width, float height)
{
    return QRectF(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel);
}

inline QColor toQColor(Rgb rgb)
{
    return QColor(rgb.r, rgb.g, rgb.b);
}

// The window's fonts are sized in points at 96 dots per inch; they are given
// to Qt in pixels, so the text keeps its place whatever the screen's density.
QFont toQFont(const Font &font);

// "Arial" and "Tahoma" are rarely installed outside Windows; the free fonts
// with (nearly) their metrics stand in for them.
void installFontSubstitutes();

} // namespace pipstone
