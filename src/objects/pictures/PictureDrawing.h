#pragma once
// Drawing a placed picture: once, or tiled over an area, each time clipped
// to the region of its non-transparent pixels. Placements may be far larger
// than the painter's integer coordinates hold (a picture zoomed a million
// times); then only the part that can be seen is drawn, and a region is
// scaled by hand from its natural size rather than built at the huge size.
#include <QRect>
#include <QRegion>
#include <QSize>
#include <optional>

#include "objects/pictures/PicturePlacement.h"

class QPainter;

namespace orv {

class TOVImageView;

struct TPictureDraw {
  const TOVImageView* picture = nullptr;
  bool natural = false;  // at the bitmap's own size, else stretched
  bool resample = false;
  int opacity = 255;
  // The non-transparent pixels, built for `regionSize` (the bitmap's own
  // size or the size the picture is drawn at); none draws everything.
  std::optional<QRegion> region;
  QSize regionSize;
};

// The part of `rect` the painter can still reach: inside its clip and its
// device, in the painter's logical coordinates.
QRect ReachableRect(const QPainter& painter, const QRect& rect);

// `region` (built for `regionSize`) laid onto `dest` and scaled to its size;
// only the part inside `visible` is kept, so huge placements stay cheap.
QRegion PlaceRegion(const QRegion& region, QSize regionSize, const TPlacedRect& dest, const QRect& visible);

// The picture once, with its top-left at dest's.
void DrawPictureAt(QPainter& painter, const TPictureDraw& draw, const TPlacedRect& dest);

// Tiles of `tile`'s size laid from `tile`'s top-left, row by row, over
// `area`.
void DrawPictureTiles(QPainter& painter, const TPictureDraw& draw, const TPlacedRect& tile, const QRect& area);

}  // namespace orv
