#include "platform/qt/pointers.h"

// own
#include "platform/qt/tile_pictures.h"

// Qt
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace pipstone {

namespace {

constexpr int kCursorFileHeaderBytes = 6 + 16;
constexpr int kCursorType = 2;

// The hand's palm, where it holds the tile.
constexpr int kGrabHotspotX = 15;
constexpr int kGrabHotspotY = 13;

// A little-endian 16-bit word of the file; the caller has checked the size.
std::uint16_t word(const QByteArray &bytes, int offset)
{
    const auto byte = [&bytes](int at) { return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes.at(at))); };
    return static_cast<std::uint16_t>(byte(offset) | byte(offset + 1) << 8);
}

} // namespace

std::optional<QCursor> loadCursorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.size() < kCursorFileHeaderBytes || word(bytes, 0) != 0 || word(bytes, 2) != kCursorType ||
        word(bytes, 4) < 1)
        return std::nullopt;
    const int hotspotX = word(bytes, 10);
    const int hotspotY = word(bytes, 12);

    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotspotX, hotspotY);
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
