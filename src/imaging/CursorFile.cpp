#include "imaging/CursorFile.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orv {

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kBitmapHeaderSize = 40;
// A cursor is small; anything beyond this is not one.
constexpr int kMaxSide = 256;
constexpr int kMaxEntries = 64;

std::uint32_t Le32(const unsigned char* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
std::uint16_t Le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

struct Entry {
  int width = 0;
  int height = 0;
  QPoint hotSpot;
  std::uint32_t size = 0;
  std::uint32_t offset = 0;
};

bool IsPng(const unsigned char* data, std::size_t size) {
  static constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  return size >= sizeof kSignature && std::equal(std::begin(kSignature), std::end(kSignature), data);
}

std::size_t RowStride(int width, int bits) { return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4; }

// The value of pixel `x` in a row of `bits`-bit pixels (1, 4 or 8).
int PaletteIndex(const unsigned char* row, int x, int bits) {
  switch (bits) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
    default: return row[x];
  }
}

// A device-independent bitmap: the colour image over a doubled height, its
// lower half (in file order the rows after the colour rows) the AND mask.
std::optional<QImage> ReadBitmap(const unsigned char* data, std::size_t size) {
  if (size < kBitmapHeaderSize) return std::nullopt;
  const std::uint32_t headerSize = Le32(data);
  const auto width = static_cast<std::int32_t>(Le32(data + 4));
  const auto doubledHeight = static_cast<std::int32_t>(Le32(data + 8));
  const int bits = Le16(data + 14);
  const std::uint32_t compression = Le32(data + 16);
  std::uint32_t colours = Le32(data + 32);
  if (headerSize < kBitmapHeaderSize || headerSize > size || compression != 0) return std::nullopt;
  if (width <= 0 || width > kMaxSide || doubledHeight <= 0 || doubledHeight % 2 != 0 ||
      doubledHeight / 2 > kMaxSide)
    return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
  const int height = doubledHeight / 2;

  std::size_t at = headerSize;
  std::vector<QRgb> palette;
  if (bits <= 8) {
    const std::uint32_t most = 1u << bits;
    if (colours == 0 || colours > most) colours = most;
    if (size - at < std::size_t(colours) * 4) return std::nullopt;
    for (std::uint32_t i = 0; i < colours; ++i, at += 4)
      palette.push_back(qRgb(data[at + 2], data[at + 1], data[at]));
    palette.resize(most, qRgb(0, 0, 0));
  }
  const std::size_t colourStride = RowStride(width, bits);
  const std::size_t maskStride = RowStride(width, 1);
  const std::size_t needed = colourStride * height + maskStride * height;
  if (size - at < needed) return std::nullopt;
  const unsigned char* colourRows = data + at;
  const unsigned char* maskRows = colourRows + colourStride * height;

  // A 32-bit image whose alpha is used ignores the mask.
  bool ownAlpha = false;
  if (bits == 32)
    for (int y = 0; y < height && !ownAlpha; ++y)
      for (int x = 0; x < width && !ownAlpha; ++x) ownAlpha = colourRows[y * colourStride + x * 4 + 3] != 0;

  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    // Rows run bottom to top.
    const unsigned char* row = colourRows + (height - 1 - y) * colourStride;
    const unsigned char* mask = maskRows + (height - 1 - y) * maskStride;
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      QRgb pixel;
      if (bits <= 8) {
        pixel = palette[PaletteIndex(row, x, bits)];
      } else {
        const unsigned char* p = row + x * (bits / 8);
        pixel = bits == 32 && ownAlpha ? qRgba(p[2], p[1], p[0], p[3]) : qRgb(p[2], p[1], p[0]);
      }
      // Mask bit 1 lets the screen through (pixels that would invert the
      // screen have no equivalent and are left transparent too).
      if (!ownAlpha && ((mask[x / 8] >> (7 - x % 8)) & 1)) pixel = qRgba(0, 0, 0, 0);
      out[x] = pixel;
    }
  }
  return image;
}

}  // namespace

std::optional<TCursorImage> ReadCursorFile(QByteArrayView bytes) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t size = static_cast<std::size_t>(bytes.size());
  if (size < kDirectorySize) return std::nullopt;
  const int type = Le16(data + 2);
  const int count = Le16(data + 4);
  if (Le16(data) != 0 || (type != 1 && type != 2) || count <= 0 || count > kMaxEntries) return std::nullopt;
  if (size < kDirectorySize + std::size_t(count) * kEntrySize) return std::nullopt;

  std::optional<Entry> best;
  for (int i = 0; i < count; ++i) {
    const unsigned char* e = data + kDirectorySize + i * kEntrySize;
    Entry entry;
    entry.width = e[0] == 0 ? 256 : e[0];
    entry.height = e[1] == 0 ? 256 : e[1];
    // Icons keep planes and bit count where cursors keep the hot spot.
    if (type == 2) entry.hotSpot = QPoint(Le16(e + 4), Le16(e + 6));
    entry.size = Le32(e + 8);
    entry.offset = Le32(e + 12);
    if (entry.offset > size || entry.size > size - entry.offset || entry.size == 0) continue;
    if (!best || entry.width * entry.height > best->width * best->height) best = entry;
  }
  if (!best) return std::nullopt;

  const unsigned char* image = data + best->offset;
  TCursorImage cursor;
  if (IsPng(image, best->size)) {
    QImage png;
    if (!png.loadFromData(QByteArrayView(image, static_cast<qsizetype>(best->size)), "PNG")) return std::nullopt;
    cursor.Image = png.convertToFormat(QImage::Format_ARGB32);
  } else {
    std::optional<QImage> bitmap = ReadBitmap(image, best->size);
    if (!bitmap) return std::nullopt;
    cursor.Image = std::move(*bitmap);
  }
  if (cursor.Image.isNull()) return std::nullopt;
  cursor.HotSpot = QPoint(std::clamp(best->hotSpot.x(), 0, cursor.Image.width() - 1),
                          std::clamp(best->hotSpot.y(), 0, cursor.Image.height() - 1));
  return cursor;
}

}  // namespace orv
