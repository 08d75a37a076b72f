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

  // Rows with the same runs as the row above only make the band above
  // taller, so a plain picture gives one rectangle per run, not per pixel
  // row. Blocks are merged whole bands at a time.
  QRegion region;
  std::vector<QRect> block;
  block.reserve(kRectsPerBlock);
  std::vector<QRect> row;
  std::size_t bandStart = 0;  // first rectangle of the last band in `block`
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    row.clear();
    int x = 0;
    while (x < w) {
      while (x < w && (line[x] & 0xFFFFFF) == key) ++x;
      if (x >= w) break;
      const int start = x;
      while (x < w && (line[x] & 0xFFFFFF) != key) ++x;
      row.emplace_back(start, y, x - start, 1);
    }
    const std::size_t bandSize = block.size() - bandStart;
    bool sameAsAbove = !row.empty() && bandSize == row.size() && block[bandStart].bottom() == y - 1;
    for (std::size_t i = 0; sameAsAbove && i < row.size(); ++i)
      sameAsAbove = block[bandStart + i].left() == row[i].left() && block[bandStart + i].width() == row[i].width();
    if (sameAsAbove) {
      for (std::size_t i = 0; i < row.size(); ++i) block[bandStart + i].setBottom(y);
      continue;
    }
    if (block.size() + row.size() > kRectsPerBlock) MergeBlock(region, block);
    bandStart = block.size();
    block.insert(block.end(), row.begin(), row.end());
  }
  MergeBlock(region, block);
  return region;
}

}  // namespace orv
