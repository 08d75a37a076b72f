#include "objects/pictures/PicturePlacement.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

std::int64_t RoundHalfEven(double value) { return static_cast<std::int64_t>(std::nearbyint(value)); }

// The height that goes with `width` at the picture's aspect.
std::int64_t HeightAt(std::int64_t width, QSize picture) {
  return RoundHalfEven(static_cast<double>(width) * picture.height() / picture.width());
}

}  // namespace

std::int64_t ZoomedLength(int length, double scale, int zoom) {
  return RoundHalfEven(static_cast<double>(length) * scale * zoom / kNaturalZoom);
}

std::int64_t CentringShift(std::int64_t area, std::int64_t size) {
  return std::max<std::int64_t>(0, area / 2 - size / 2);
}

QSize FitKeepingAspect(QSize picture, QSize area) {
  if (picture.width() <= 0 || picture.height() <= 0 || area.width() <= 0 || area.height() <= 0) return {};
  // Heights only grow with the width, so the answer lies next to the width
  // whose exact height is the area's; a step or two settles the rounding.
  const double exact = (area.height() + 0.5) * picture.width() / picture.height();
  std::int64_t width = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::floor(exact)), 0, area.width());
  while (width > 0 && HeightAt(width, picture) > area.height()) --width;
  while (width < area.width() && HeightAt(width + 1, picture) <= area.height()) ++width;
  return QSize(static_cast<int>(width), static_cast<int>(HeightAt(width, picture)));
}

TPicturePlacement PlacePicture(const TPlacementInput& in) {
  TPicturePlacement out;
  const QSize picture = in.picture;
  const QRect& area = in.area;
  if (picture.width() <= 0 || picture.height() <= 0 || area.width() <= 0 || area.height() <= 0) return out;

  const bool atNaturalZoom = in.zoom == kNaturalZoom && !in.printing;
  const std::int64_t zoomedW = ZoomedLength(picture.width(), in.scaleX, in.zoom);
  const std::int64_t zoomedH = ZoomedLength(picture.height(), in.scaleY, in.zoom);

  int mode = in.mode;
  if (mode == pAuto) mode = area.width() < zoomedW || area.height() < zoomedH ? pStretchAspect : pNormal;

  switch (mode) {
    case pStretch:
      out.kind = TPicturePlacement::kSingle;
      out.rect = {area.x(), area.y(), area.width(), area.height()};
      out.useTransparentColour = !in.scrollBars;
      return out;

    case pStretchAspect: {
      const QSize fit = FitKeepingAspect(picture, area.size());
      if (fit.isEmpty()) return out;
      std::int64_t x = area.x(), y = area.y();
      if (in.centered) {
        x += CentringShift(area.width(), fit.width());
        y += CentringShift(area.height(), fit.height());
      }
      out.kind = TPicturePlacement::kSingle;
      out.rect = {x, y, fit.width(), fit.height()};
      out.useTransparentColour = !in.scrollBars;
      return out;
    }

    case pTile:
    case pTileHorz:
    case pTileVert: {
      // A tile is at least a pixel, or the area would never be covered.
      const std::int64_t w = mode == pTileVert ? area.width() : std::max<std::int64_t>(1, zoomedW);
      const std::int64_t h = mode == pTileHorz ? area.height() : std::max<std::int64_t>(1, zoomedH);
      out.kind = TPicturePlacement::kTiled;
      out.rect = {area.x(), area.y(), w, h};
      out.natural = mode == pTile && atNaturalZoom;
      out.useTransparentColour = true;
      return out;
    }

    default: {
      if (zoomedW <= 0 || zoomedH <= 0) return out;
      std::int64_t x = area.x(), y = area.y();
      if (in.centered && !in.scrollBars) {
        x += CentringShift(area.width(), zoomedW);
        y += CentringShift(area.height(), zoomedH);
      }
      x -= RoundHalfEven(static_cast<double>(in.panX) * in.scaleX);
      y -= RoundHalfEven(static_cast<double>(in.panY) * in.scaleY);
      out.kind = TPicturePlacement::kSingle;
      out.rect = {x, y, zoomedW, zoomedH};
      out.natural = atNaturalZoom;
      out.useTransparentColour = !in.scrollBars;
      return out;
    }
  }
}

}  // namespace orv
