#include "platform/qt/files/pointers.h"

// own
#include "platform/qt/view/tile_pictures.h"

// Qt
#include <QPixmap>

namespace pipstone {

namespace {

// The hand's palm, where it holds the tile.
constexpr int kGrabHotspotX = 15;
constexpr int kGrabHotspotY = 13;

} // namespace

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
