#pragma once
// Where a picture object puts its picture: the paint modes turned into the
// rectangle the picture lands in, or the tile grid, for a picture of a given
// size in a given area. Pure arithmetic; sizes are kept in 64 bits because a
// zoomed picture can be far larger than any widget.
#include <QRect>
#include <QSize>
#include <cstdint>

namespace orv {

enum TPicturePaintMode : std::uint8_t {
  pNormal = 0,
  pStretch = 1,
  pStretchAspect = 2,
  pTile = 3,
  pTileHorz = 4,
  pTileVert = 5,
  pAuto = 6,
  pLastPaintMode = pAuto,
};

inline constexpr int kSmallestZoom = 10;
inline constexpr int kNaturalZoom = 100;

// A rectangle that may lie far outside what 32 bits hold.
struct TPlacedRect {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t w = 0;
  std::int64_t h = 0;

  bool Empty() const { return w <= 0 || h <= 0; }
  bool operator==(const TPlacedRect&) const = default;
};

struct TPlacementInput {
  int mode = pNormal;
  QSize picture;  // natural size, both sides above 0
  QRect area;     // where the picture goes, already in device pixels
  bool centered = false;
  int zoom = kNaturalZoom;
  double scaleX = 1.0;
  double scaleY = 1.0;
  bool printing = false;
  bool scrollBars = false;
  std::int64_t panX = 0;  // picture pixels at zoom
  std::int64_t panY = 0;
};

struct TPicturePlacement {
  enum Kind : std::uint8_t { kNothing, kSingle, kTiled };
  Kind kind = kNothing;
  // Single: where the whole picture lands. Tiled: the first tile, at the
  // area's top-left; the others follow it row by row.
  TPlacedRect rect;
  // Drawn at its natural size rather than stretched.
  bool natural = false;
  // Fetched with the object's transparent colour and clipped to its region;
  // otherwise fetched plain.
  bool useTransparentColour = false;
};

// round(length x scale x zoom / 100), half to even.
std::int64_t ZoomedLength(int length, double scale, int zoom);
// Half the free space, each half truncated; never negative.
std::int64_t CentringShift(std::int64_t area, std::int64_t size);
// The largest size of the picture's aspect that fits into `area`: the
// widest width whose height, round(width x picture height / picture width),
// is not above the area's. An empty size when nothing fits.
QSize FitKeepingAspect(QSize picture, QSize area);
// The paint mode applied; undefined modes act as pNormal.
TPicturePlacement PlacePicture(const TPlacementInput& in);

}  // namespace orv
