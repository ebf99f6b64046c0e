#include "platform/qt/files/cursor_file.h"

// own
#include "platform/qt/files/optional_file.h"

// Qt
#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

// std
#include <cstdio>

namespace pipstone {

namespace {

constexpr int kCursorHeaderBytes = 6;
constexpr int kCursorEntryBytes = 16;
constexpr int kCursorType = 2;
constexpr int kBitmapHeaderBytes = 40;
constexpr int kPngHeaderBytes = 24; // signature, IHDR length and name, width, height
constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";

std::uint32_t bigEndian(const QByteArray &bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

bool withinCursorSize(qint64 width, qint64 height)
{
    return width >= 1 && width <= kLargestCursorSide && height >= 1 && height <= kLargestCursorSide;
}

// The size the picture at `offset` (of `size` bytes) says it has, read from
// its own header as the decoder will: a PNG's, or a bitmap's, whose height
// counts the picture and its mask.
bool pictureWithinCursorSize(const QByteArray &bytes, qint64 offset, qint64 size)
{
    if (size >= kPngHeaderBytes && bytes.sliced(offset, 8) == QByteArrayView(kPngSignature, 8))
        return withinCursorSize(bigEndian(bytes, offset + 16), bigEndian(bytes, offset + 20));
    if (size < kBitmapHeaderBytes || littleEndian(bytes, offset, 4) < kBitmapHeaderBytes)
        return false;
    const auto width = static_cast<std::int32_t>(littleEndian(bytes, offset + 4, 4));
    const auto height = static_cast<std::int32_t>(littleEndian(bytes, offset + 8, 4));
    return height > 0 && withinCursorSize(width, height / 2);
}

// Every picture an entry names lies inside the file and is no larger than a
// pointer can be.
bool picturesInside(const QByteArray &bytes, int entries)
{
    const qint64 entriesEnd = kCursorHeaderBytes + qint64{kCursorEntryBytes} * entries;
    if (entriesEnd > bytes.size())
        return false;
    for (int i = 0; i < entries; ++i) {
        const qsizetype entry = kCursorHeaderBytes + kCursorEntryBytes * i;
        const qint64 size = littleEndian(bytes, entry + 8, 4);
        const qint64 offset = littleEndian(bytes, entry + 12, 4);
        if (size == 0 || offset < entriesEnd || offset + size > bytes.size())
            return false;
        if (!pictureWithinCursorSize(bytes, offset, size))
            return false;
    }
    return true;
}

} // namespace

std::optional<CursorFile> parseCursorFile(QByteArray bytes, const char **refusal)
{
    const auto refuse = [refusal](const char *why) {
        if (refusal)
            *refusal = why;
        return std::nullopt;
    };
    if (bytes.size() < kCursorHeaderBytes || littleEndian(bytes, 0, 2) != 0 || littleEndian(bytes, 2, 2) != kCursorType)
        return refuse("it is no cursor file");
    const int entries = static_cast<int>(littleEndian(bytes, 4, 2));
    if (entries < 1 || !picturesInside(bytes, entries))
        return refuse("a picture lies outside the file or is larger than 256 x 256");
    // The first entry's hotspot, as the cursor reader takes its first picture.
    const QPoint hotspot(static_cast<int>(littleEndian(bytes, kCursorHeaderBytes + 4, 2)),
                         static_cast<int>(littleEndian(bytes, kCursorHeaderBytes + 6, 2)));
    if (hotspot.x() >= kLargestCursorSide || hotspot.y() >= kLargestCursorSide)
        return refuse("its hotspot lies outside any pointer");
    return CursorFile{std::move(bytes), hotspot};
}

std::optional<CursorFile> readCursorFile(const QString &path)
{
    std::optional<QByteArray> bytes = readOptionalFile(path, kCursorFileLimit);
    if (!bytes)
        return std::nullopt;
    const char *refusal = nullptr;
    std::optional<CursorFile> file = parseCursorFile(std::move(*bytes), &refusal);
    if (!file)
        std::fprintf(stderr, "pipstone: %s is not used as the pointer: %s\n", qPrintable(path), refusal);
    return file;
}

QImage decodeCursorPicture(const CursorFile &file)
{
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "cur");
    return reader.read();
}

std::optional<QCursor> toCursor(const CursorFile &file)
{
    const QImage image = decodeCursorPicture(file);
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), file.hotspot.x(), file.hotspot.y());
}

} // namespace pipstone
