#pragma once

// Qt
#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

// std
#include <optional>

// The custom pointer: a cursor file beside the program, checked before
// anything decodes it.
namespace pipstone {

// A Windows cursor file (an icon file of type 2 whose entry carries the
// hotspot), read and checked but not yet decoded.
struct CursorFile {
    QByteArray bytes;
    QPoint hotspot;
};

// The largest side of a pointer's picture: what a window system can show.
inline constexpr int kLargestCursorSide = 256;

// The cursor in a file's bytes; nothing when they are not a cursor whose
// pictures lie inside it, each no larger than a pointer by its own header, so
// that no decoding ever allocates more than a pointer's picture. When
// `refusal` is given, it is set to why the bytes were refused.
std::optional<CursorFile> parseCursorFile(QByteArray bytes, const char **refusal = nullptr);

// The same for the file at `path`; nothing when it is missing or oversized.
// A file that is there but refused is named on standard error with the reason.
std::optional<CursorFile> readCursorFile(const QString &path);

// The picture the file draws (null when it cannot be decoded), and the
// pointer made of it. Decoding loads the image plugin, so the window does it
// only when it first shows the pointer.
QImage decodeCursorPicture(const CursorFile &file);
std::optional<QCursor> toCursor(const CursorFile &file);

} // namespace pipstone
