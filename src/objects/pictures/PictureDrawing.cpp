#include "objects/pictures/PictureDrawing.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "imaging/OVImageView.h"

namespace orv {

namespace {

// Placements inside this range go through the painter as they are; beyond
// it the painter's fixed-point arithmetic no longer holds.
constexpr std::int64_t kDirectLimit = std::int64_t{1} << 22;

bool Direct(const TPlacedRect& r) {
  auto inside = [](std::int64_t v) { return v > -kDirectLimit && v < kDirectLimit; };
  return inside(r.x) && inside(r.y) && inside(r.x + r.w) && inside(r.y + r.h);
}

QRect ToRect(const TPlacedRect& r) {
  return QRect(static_cast<int>(r.x), static_cast<int>(r.y), static_cast<int>(r.w), static_cast<int>(r.h));
}

// The placement cut down to what 32 bits hold (the cut parts can never be
// seen).
QRect Bounded(const TPlacedRect& r) {
  constexpr std::int64_t limit = std::int64_t{1} << 30;
  const std::int64_t left = std::clamp(r.x, -limit, limit);
  const std::int64_t top = std::clamp(r.y, -limit, limit);
  const std::int64_t right = std::clamp(r.x + r.w, -limit, limit);
  const std::int64_t bottom = std::clamp(r.y + r.h, -limit, limit);
  return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
               static_cast<int>(bottom - top));
}

// Where the edge of source pixel `index` lands, kept within [low, high].
// Every edge is rounded the same way, so runs apart in the source stay apart.
int Edge(std::int64_t origin, int index, double scale, int low, int high) {
  const double at = std::floor(static_cast<double>(origin) + index * scale + 0.5);
  return static_cast<int>(std::clamp(at, static_cast<double>(low), static_cast<double>(high)));
}

// The source pixels [first, last) whose scaled images meet [low, high).
std::pair<int, int> SourceSpan(std::int64_t origin, double scale, int low, int high, int length) {
  const double first = std::floor((low - static_cast<double>(origin)) / scale);
  const double last = std::ceil((high - static_cast<double>(origin)) / scale);
  return {static_cast<int>(std::clamp(first, 0.0, static_cast<double>(length))),
          static_cast<int>(std::clamp(last, 0.0, static_cast<double>(length)))};
}

// A placement too large for the painter: every source pixel that can be
// seen becomes a block of its colour. Such a placement magnifies each pixel
// by millions, so there are only a few.
void DrawVisibleBlocks(QPainter& painter, const TPictureDraw& draw, const TPlacedRect& dest) {
  const QImage& bitmap = draw.picture->Bitmap();
  if (bitmap.isNull()) return;
  const QRect visible = ReachableRect(painter, Bounded(dest));
  if (visible.isEmpty()) return;
  const double sx = static_cast<double>(dest.w) / bitmap.width();
  const double sy = static_cast<double>(dest.h) / bitmap.height();
  const int low = visible.left(), high = visible.right() + 1;
  const int top = visible.top(), bottom = visible.bottom() + 1;
  const auto [x0, x1] = SourceSpan(dest.x, sx, low, high, bitmap.width());
  const auto [y0, y1] = SourceSpan(dest.y, sy, top, bottom, bitmap.height());
  painter.save();
  if (draw.opacity < 255) painter.setOpacity(std::max(draw.opacity, 0) / 255.0);
  for (int y = y0; y < y1; ++y) {
    const int blockTop = Edge(dest.y, y, sy, top, bottom);
    const int blockBottom = Edge(dest.y, y + 1, sy, top, bottom);
    if (blockBottom <= blockTop) continue;
    for (int x = x0; x < x1; ++x) {
      const int blockLeft = Edge(dest.x, x, sx, low, high);
      const int blockRight = Edge(dest.x, x + 1, sx, low, high);
      if (blockRight <= blockLeft) continue;
      painter.fillRect(QRect(blockLeft, blockTop, blockRight - blockLeft, blockBottom - blockTop),
                       bitmap.pixelColor(x, y));
    }
  }
  painter.restore();
}

void DrawPicture(QPainter& painter, const TPictureDraw& draw, const TPlacedRect& dest) {
  if (!Direct(dest)) {
    DrawVisibleBlocks(painter, draw, dest);
    return;
  }
  if (draw.natural)
    draw.picture->DrawAt(painter, draw.opacity, QPoint(static_cast<int>(dest.x), static_cast<int>(dest.y)));
  else
    draw.picture->DrawStretched(painter, draw.resample, draw.opacity, ToRect(dest));
}

}  // namespace

QRect ReachableRect(const QPainter& painter, const QRect& rect) {
  QRect reach = rect;
  if (painter.hasClipping()) reach &= painter.clipBoundingRect().toAlignedRect();
  if (const QPaintDevice* device = painter.device()) {
    bool invertible = false;
    const QTransform back = painter.combinedTransform().inverted(&invertible);
    if (invertible) reach &= back.mapRect(QRectF(0, 0, device->width(), device->height())).toAlignedRect();
  }
  return reach;
}

QRegion PlaceRegion(const QRegion& region, QSize regionSize, const TPlacedRect& dest, const QRect& visible) {
  if (visible.isEmpty() || dest.Empty() || regionSize.isEmpty()) return {};
  if (regionSize.width() == dest.w && regionSize.height() == dest.h && Direct(dest))
    return region.translated(static_cast<int>(dest.x), static_cast<int>(dest.y)) & visible;
  const double sx = static_cast<double>(dest.w) / regionSize.width();
  const double sy = static_cast<double>(dest.h) / regionSize.height();
  if ((sx < 1 || sy < 1) && Direct(dest))
    return QTransform::fromTranslate(static_cast<double>(dest.x), static_cast<double>(dest.y))
               .scale(sx, sy)
               .map(region) &
           visible;
  // Only the source pixels under `visible`, each run scaled with the same
  // rounding; enlarged both ways, the runs keep the order and bands a
  // region needs.
  const int low = visible.left(), high = visible.right() + 1;
  const int top = visible.top(), bottom = visible.bottom() + 1;
  const auto [x0, x1] = SourceSpan(dest.x, sx, low, high, regionSize.width());
  const auto [y0, y1] = SourceSpan(dest.y, sy, top, bottom, regionSize.height());
  const QRegion window = region & QRect(x0, y0, x1 - x0, y1 - y0);
  std::vector<QRect> rects;
  rects.reserve(static_cast<std::size_t>(window.rectCount()));
  for (const QRect& r : window) {
    const int left = Edge(dest.x, r.left(), sx, low, high);
    const int right = Edge(dest.x, r.right() + 1, sx, low, high);
    const int upper = Edge(dest.y, r.top(), sy, top, bottom);
    const int lower = Edge(dest.y, r.bottom() + 1, sy, top, bottom);
    if (right > left && lower > upper) rects.emplace_back(left, upper, right - left, lower - upper);
  }
  QRegion placed;
  if (sx >= 1 && sy >= 1) {
    if (!rects.empty()) placed.setRects(rects.data(), static_cast<int>(rects.size()));
  } else {
    // Shrunk one way: neighbouring runs may meet, so they are joined.
    for (const QRect& r : rects) placed += r;
  }
  return placed;
}

void DrawPictureAt(QPainter& painter, const TPictureDraw& draw, const TPlacedRect& dest) {
  if (draw.picture == nullptr || dest.Empty()) return;
  painter.save();
  if (draw.region) {
    const QRect visible = ReachableRect(painter, Bounded(dest));
    painter.setClipRegion(PlaceRegion(*draw.region, draw.regionSize, dest, visible), Qt::IntersectClip);
  }
  DrawPicture(painter, draw, dest);
  painter.restore();
}

void DrawPictureTiles(QPainter& painter, const TPictureDraw& draw, const TPlacedRect& tile, const QRect& area) {
  if (draw.picture == nullptr || tile.Empty()) return;
  const QRect reach = ReachableRect(painter, area);
  if (reach.isEmpty()) return;
  if (tile.w <= area.width() && tile.h <= area.height()) {
    // One tile drawn once and repeated: tiles of a pixel or two cost no
    // more than large ones.
    QImage image(static_cast<int>(tile.w), static_cast<int>(tile.h), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return;
    image.fill(Qt::transparent);
    {
      QPainter tilePainter(&image);
      tilePainter.setRenderHints(painter.renderHints());
      DrawPictureAt(tilePainter, draw, {0, 0, tile.w, tile.h});
    }
    painter.save();
    painter.setBrushOrigin(static_cast<int>(tile.x), static_cast<int>(tile.y));
    painter.fillRect(reach, QBrush(image));
    painter.restore();
    return;
  }
  // Tiles longer than the area one way: only the few that can be seen.
  const std::int64_t firstColumn = (reach.left() - tile.x) / tile.w;
  const std::int64_t lastColumn = (reach.right() - tile.x) / tile.w;
  const std::int64_t firstRow = (reach.top() - tile.y) / tile.h;
  const std::int64_t lastRow = (reach.bottom() - tile.y) / tile.h;
  for (std::int64_t row = firstRow; row <= lastRow; ++row)
    for (std::int64_t column = firstColumn; column <= lastColumn; ++column)
      DrawPictureAt(painter, draw, {tile.x + column * tile.w, tile.y + row * tile.h, tile.w, tile.h});
}

}  // namespace orv
