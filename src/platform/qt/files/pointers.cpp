#include "platform/qt/files/pointers.h"

// own
#include "platform/qt/files/optional_file.h"
#include "platform/qt/view/tile_pictures.h"

// Qt
#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

namespace pipstone {

namespace {

constexpr int kCursorHeaderBytes = 6;
constexpr int kCursorEntryBytes = 16;
constexpr int kCursorType = 2;

// The hand's palm, where it holds the tile.
constexpr int kGrabHotspotX = 15;
constexpr int kGrabHotspotY = 13;

// Every picture an entry names lies inside the file.
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
    }
    return true;
}

} // namespace

std::optional<CursorFile> readCursorFile(const QString &path)
{
    std::optional<QByteArray> bytes = readOptionalFile(path, kCursorFileLimit);
    if (!bytes || bytes->size() < kCursorHeaderBytes || littleEndian(*bytes, 0, 2) != 0 ||
        littleEndian(*bytes, 2, 2) != kCursorType)
        return std::nullopt;
    const int entries = static_cast<int>(littleEndian(*bytes, 4, 2));
    if (entries < 1 || !picturesInside(*bytes, entries))
        return std::nullopt;
    // The first entry's hotspot, as the cursor reader takes its first picture.
    const QPoint hotspot(static_cast<int>(littleEndian(*bytes, kCursorHeaderBytes + 4, 2)),
                         static_cast<int>(littleEndian(*bytes, kCursorHeaderBytes + 6, 2)));
    return CursorFile{std::move(*bytes), hotspot};
}

std::optional<QCursor> toCursor(const CursorFile &file)
{
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), file.hotspot.x(), file.hotspot.y());
}

QCursor grabbingHandCursor()
{
    constexpr int kSize = 32;
    return QCursor(QPixmap::fromImage(tilePictureImage(kGrabbingHandPicture, kSize)), kGrabHotspotX,
                   kGrabHotspotY);
}

bool showsGrabbingHand(const GameState &s, float x, float y)
{
    const Picture *top = nullptr;
    for (int slot = 1; slot <= kSlots; ++slot) {
        for (const Picture *half : {&s.lcard[slot], &s.rcard[slot]}) {
            const bool under = half->exists && half->Visible && half->Enabled && x >= half->Left &&
                               x < half->Left + half->Width && y >= half->Top && y < half->Top + half->Height;
            if (under && (!top || half->z >= top->z))
                top = half;
        }
    }
    return top && top->handPointer;
}

} // namespace pipstone
