#include "imaging/BmpPixelData.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "imaging/PictureDecoder.h"

namespace orv {

namespace {

constexpr std::int64_t kFileHeader = 14;
constexpr std::int64_t kCoreHeader = 12;  // the oldest info header: 16-bit sizes
constexpr std::int64_t kInfoHeader = 40;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

std::uint32_t Unsigned(QByteArrayView bytes, std::int64_t at, int length) {
  std::uint32_t value = 0;
  for (int i = length - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

struct BmpLayout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows, whichever way they run
  int bitsPerPixel = 0;
  std::uint32_t compression = kRgb;
  std::int64_t pixelStart = 0;
};

// False for headers too short or too odd to judge.
bool ReadLayout(QByteArrayView bytes, BmpLayout& layout) {
  if (bytes.size() < kFileHeader + 4) return false;
  const std::int64_t infoSize = Unsigned(bytes, kFileHeader, 4);
  const bool core = infoSize == kCoreHeader;
  if (core ? bytes.size() < kFileHeader + kCoreHeader
           : infoSize < kInfoHeader || bytes.size() < kFileHeader + kInfoHeader)
    return false;
  std::uint32_t coloursUsed = 0;
  if (core) {
    layout.width = Unsigned(bytes, 18, 2);
    layout.height = Unsigned(bytes, 20, 2);
    layout.bitsPerPixel = static_cast<int>(Unsigned(bytes, 24, 2));
  } else {
    layout.width = static_cast<std::int32_t>(Unsigned(bytes, 18, 4));
    layout.height = std::llabs(static_cast<std::int32_t>(Unsigned(bytes, 22, 4)));  // negative: top-down
    layout.bitsPerPixel = static_cast<int>(Unsigned(bytes, 28, 2));
    layout.compression = Unsigned(bytes, 30, 4);
    coloursUsed = Unsigned(bytes, 46, 4);
  }
  if (layout.width <= 0 || layout.height <= 0 || layout.bitsPerPixel <= 0 || layout.bitsPerPixel > 32) return false;
  // The pixels start at the offset the file header names, but never inside
  // the headers or the colour table: the reader skips a bogus offset.
  std::int64_t tableBytes = 0;
  if (layout.bitsPerPixel <= 8)
    tableBytes = static_cast<std::int64_t>(coloursUsed != 0 ? coloursUsed : (1u << layout.bitsPerPixel)) * (core ? 3 : 4);
  if (!core && infoSize == kInfoHeader && (layout.compression == kBitFields || layout.compression == kAlphaBitFields))
    tableBytes += 12;  // the colour masks
  layout.pixelStart = std::max<std::int64_t>(Unsigned(bytes, 10, 4), kFileHeader + infoSize + tableBytes);
  return true;
}

bool RowsComplete(QByteArrayView bytes, const BmpLayout& layout) {
  const std::int64_t rowBytes = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
  const std::int64_t available = bytes.size() - layout.pixelStart;
  return available >= 0 && available / rowBytes >= layout.height;
}

// Walks the run-length codes the way the reader consumes them.
bool RunsComplete(QByteArrayView bytes, const BmpLayout& layout) {
  const auto byteAt = [&bytes](std::int64_t at) { return static_cast<unsigned char>(bytes[at]); };
  std::int64_t pos = layout.pixelStart;
  std::int64_t row = 0;
  while (row < layout.height) {
    if (pos + 2 > bytes.size()) return false;
    const int count = byteAt(pos), code = byteAt(pos + 1);
    pos += 2;
    if (count != 0) continue;  // a run of one value
    switch (code) {
      case 0:  // end of line
        ++row;
        break;
      case 1:  // end of picture
        return true;
      case 2:  // move right and down
        if (pos + 2 > bytes.size()) return false;
        row += byteAt(pos + 1);
        pos += 2;
        break;
      default: {  // `code` literal pixels, padded to a whole word
        const std::int64_t literal = layout.compression == kRle8 ? code : (code + 1) / 2;
        pos += literal + (literal & 1);
        if (pos > bytes.size()) return false;
        break;
      }
    }
  }
  return true;
}

bool RunLengthCoded(const BmpLayout& layout) {
  return (layout.compression == kRle8 && layout.bitsPerPixel == 8) ||
         (layout.compression == kRle4 && layout.bitsPerPixel == 4);
}

}  // namespace

bool BmpHoldsAllPixels(QByteArrayView bytes) {
  BmpLayout layout;
  if (!ReadLayout(bytes, layout)) return true;
  switch (layout.compression) {
    case kRgb:
    case kBitFields:
    case kAlphaBitFields:
      return RowsComplete(bytes, layout);
    case kRle8:
    case kRle4:
      return !RunLengthCoded(layout) || RunsComplete(bytes, layout);
    default:
      return true;
  }
}

QImage BmpBlankCanvas(QByteArrayView bytes) {
  BmpLayout layout;
  if (!ReadLayout(bytes, layout) || !RunLengthCoded(layout)) return QImage();
  const QSize size(static_cast<int>(layout.width), static_cast<int>(layout.height));
  if (!FitsPictureBitmap(size)) return QImage();
  QImage canvas(size, QImage::Format_Indexed8);
  if (!canvas.isNull()) canvas.fill(0);
  return canvas;
}

}  // namespace orv
