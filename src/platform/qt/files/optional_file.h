#pragma once

// Room: files. The optional files next to the program: reading them safely,
// and the hand pointer made from HAND-M.CUR.

// Qt
#include <QByteArray>
#include <QString>

// std
#include <cstdint>
#include <optional>

// The game's optional files (the pointer, the skin, the move sound) are worth
// a few kilobytes each. Whatever lies at their names is read only when it is a
// regular file of a sane size; anything else is treated as missing.
namespace pipstone {

inline constexpr qint64 kCursorFileLimit = 1 << 20;
inline constexpr qint64 kSkinFileLimit = 1 << 20;
inline constexpr qint64 kSoundFileLimit = 4 << 20;

// A regular file, or a link to one; looking never opens it, so a pipe or a
// device at the name cannot hold the game up.
bool isRegularFile(const QString &path);

// The whole file when it is a regular file of at most `limit` bytes; nothing
// otherwise. A file that is too large is named on standard error.
std::optional<QByteArray> readOptionalFile(const QString &path, qint64 limit);

// The little-endian number of `width` bytes at `at` in a file's header; the
// caller has checked that they lie inside the bytes.
std::uint32_t littleEndian(const QByteArray &bytes, qsizetype at, int width);

} // namespace pipstone
