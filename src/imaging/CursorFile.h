#pragma once
// Reader for cursor files (".cur", and ".ico" laid out the same way): a
// directory of images, each with its hot spot, holding device-independent
// bitmaps of 1, 4, 8, 24 or 32 bits with their AND mask, or PNG pictures.
// The largest image is taken.
#include <QByteArrayView>
#include <QImage>
#include <QPoint>
#include <optional>

namespace orv {

struct TCursorImage {
  QImage Image;   // ARGB32; transparent where the mask says so
  QPoint HotSpot; // inside the image
};

// None when the data is not a cursor this reader understands, is cut short
// or contradicts itself.
std::optional<TCursorImage> ReadCursorFile(QByteArrayView bytes);

}  // namespace orv
