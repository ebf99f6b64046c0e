#pragma once

// own
#include "tiles/pictures.h"

// Qt
#include <QImage>
#include <QRectF>

class QPainter;

// The picture table of the tile halves, painted by hand rather than loaded:
// the pips stay crisp at any size and screen density.
//
//   1 to 7    faces with 0 to 6 pips, for an upright tile
//   8         the back of a tile half
//   9         the grabbing hand shown over the first half of a tile
//   10 to 16  the faces with 0 to 6 pips turned a quarter turn, for a lying tile
namespace pipstone {

inline constexpr int kFirstUprightFace = uprightFace(0);
inline constexpr int kGrabbingHandPicture = kHandCursorPicture;
inline constexpr int kFirstTurnedFace = turnedFace(0);
inline constexpr int kPictureCount = turnedFace(6);

// Paints picture `picture` stretched into `rect`; any other number paints
// nothing, as an empty picture control shows nothing.
void drawTilePicture(QPainter &painter, const QRectF &rect, int picture);

// The picture alone on a transparent square of `size` logical pixels.
QImage tilePictureImage(int picture, int size, qreal devicePixelRatio = 1.0);

} // namespace pipstone
