#pragma once

// Qt
#include <QByteArray>
#include <QString>

// std
#include <optional>

// A skin is a Qt style sheet from a file beside the program. Whatever it
// says, it must not hold the game up or cost it more than a few megabytes:
// the pictures it names are regular files inside the program's folder, of a
// sane size, read without waiting before Qt ever opens them, and no length or
// size it asks for reaches what would make a window or a font enormous.
namespace pipstone {

// The largest number a skin may write: a side of a widget in pixels, a
// border, a margin, a padding; fonts stay below the second. A widget's box
// adds up its margins, borders and paddings on both sides around its least
// size, and the window grows to hold it: with every length at 200 the window
// still needs at most some 15 MiB to paint in, with 1000 it took 220 MiB.
inline constexpr int kLargestSkinLength = 200;
inline constexpr int kLargestSkinFont = 100;
// A colour's component or hue (in rgb(), hsv(), hsl() and their alpha
// forms), and a font's weight.
inline constexpr int kLargestSkinColour = 360;
inline constexpr int kLargestSkinFontWeight = 1000;
// The largest side of a picture a skin names.
inline constexpr int kLargestSkinPicture = 1000;

// The style sheet to apply for the skin `bytes`, with each picture it names
// written as its real place in `programFolder`; nothing when the skin is
// refused, with `refusal` saying why.
std::optional<QString> vetSkin(const QByteArray &bytes, const QString &programFolder, QString &refusal);

} // namespace pipstone
