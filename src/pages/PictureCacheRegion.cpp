#include "pages/PictureCacheRegion.h"

#include <QRect>
#include <vector>

namespace orv {

namespace {

// Rectangles are merged into the result in blocks: one union per block keeps
// the work proportional to the picture instead of to the square of its runs.
constexpr std::size_t kRectsPerBlock = 2000;

void MergeBlock(QRegion& region, std::vector<QRect>& block) {
  if (block.empty()) return;
  QRegion part;
  part.setRects(block.data(), static_cast<int>(block.size()));
  region = region.united(part);
  block.clear();
}

}  // namespace

std::optional<QRegion> BuildTransparencyRegion(const QImage& bitmap, ColourValue transparent) {
  if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0) return std::nullopt;
  const QImage pixels = bitmap.convertToFormat(QImage::Format_RGB32);
  if (pixels.isNull()) return std::nullopt;
  const int w = pixels.width(), h = pixels.height();

  QRgb key;
  if (transparent == kAutoTransparentColour) {
    key = pixels.pixel(0, h - 1) & 0xFFFFFF;
  } else {
    const ColourValue rgb = ColourToRgb(transparent);
    key = qRgb(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
               static_cast<int>((rgb >> 16) & 0xFF)) & 0xFFFFFF;
  }

  QRegion region;
  std::vector<QRect> block;
  block.reserve(kRectsPerBlock);
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    int x = 0;
    while (x < w) {
      while (x < w && (line[x] & 0xFFFFFF) == key) ++x;
      if (x >= w) break;
      const int start = x;
      while (x < w && (line[x] & 0xFFFFFF) != key) ++x;
      block.emplace_back(start, y, x - start, 1);
      if (block.size() == kRectsPerBlock) MergeBlock(region, block);
    }
  }
  MergeBlock(region, block);
  return region;
}

}  // namespace orv
