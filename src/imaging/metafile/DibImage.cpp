#include "imaging/metafile/DibImage.h"

#include <array>
#include <bit>
#include <optional>
#include <vector>

#include "imaging/metafile/MetafileRecordReader.h"

namespace orv {

namespace {

constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitFields = 3;
constexpr quint32 kBiAlphaBitFields = 6;

struct DibLayout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::array<quint32, 4> masks{};  // red, green, blue, alpha
  int tableEntries = 0;             // colour-table entries to read (8 bits or fewer)
  int entrySize = 4;
  qsizetype tableOffset = 0;  // where the colour table starts inside `info`
  qsizetype bitsOffset = 0;   // where the rows start in a packed bitmap
};

std::optional<DibLayout> ReadLayout(QByteArrayView info, DibColourTable table) {
  TMetafileRecordReader in(info);
  const quint32 headerSize = in.U32();
  if (!in.Ok()) return std::nullopt;
  DibLayout layout;
  qint64 width = 0;
  qint64 height = 0;
  quint32 compression = kBiRgb;
  quint32 coloursUsed = 0;
  qsizetype maskBytes = 0;
  if (headerSize == 12) {
    width = in.U16();
    height = in.U16();
    in.U16();  // planes
    layout.bitCount = in.U16();
    layout.entrySize = 3;
  } else if (headerSize >= 40 && headerSize <= 4096) {
    width = in.I32();
    height = in.I32();
    in.U16();  // planes
    layout.bitCount = in.U16();
    compression = in.U32();
    in.Skip(12);  // image size, resolution
    coloursUsed = in.U32();
    in.U32();  // important colours
    if (compression == kBiBitFields || compression == kBiAlphaBitFields) {
      const int count = compression == kBiAlphaBitFields ? 4 : 3;
      // Longer headers hold the masks; the 40-byte one is followed by them.
      if (headerSize < 40 + 4u * count) maskBytes = 4 * count;
      in.Seek(40);
      for (int i = 0; i < count; ++i) layout.masks[i] = in.U32();
    }
  } else {
    return std::nullopt;
  }
  if (!in.Ok()) return std::nullopt;
  if (compression != kBiRgb && compression != kBiBitFields && compression != kBiAlphaBitFields) return std::nullopt;
  switch (layout.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return std::nullopt;
  }
  if (compression != kBiRgb && layout.bitCount != 16 && layout.bitCount != 32) return std::nullopt;
  if (height < 0) {
    layout.topDown = true;
    height = -height;
  }
  if (width <= 0 || height <= 0 || width > kLargestDibSide || height > kLargestDibSide ||
      width * height > kLargestDibPixels)
    return std::nullopt;
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);

  if (compression == kBiRgb) {
    if (layout.bitCount == 16) layout.masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (layout.bitCount >= 24) layout.masks = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000};
  }
  if (table == DibColourTable::PaletteIndices) layout.entrySize = 2;
  layout.tableOffset = static_cast<qsizetype>(headerSize) + maskBytes;
  qint64 storedEntries = 0;
  if (layout.bitCount <= 8) {
    const qint64 full = qint64(1) << layout.bitCount;
    storedEntries = coloursUsed == 0 || coloursUsed > full ? full : coloursUsed;
    layout.tableEntries = static_cast<int>(storedEntries);
  } else {
    storedEntries = coloursUsed;  // an optional table the pixels do not use
  }
  const qint64 bitsOffset = layout.tableOffset + storedEntries * layout.entrySize;
  if (bitsOffset > (qint64(1) << 30)) return std::nullopt;
  layout.bitsOffset = static_cast<qsizetype>(bitsOffset);
  return layout;
}

std::vector<QRgb> ReadColourTable(QByteArrayView info, const DibLayout& layout, DibColourTable table) {
  std::vector<QRgb> colours(256, qRgb(0, 0, 0));
  TMetafileRecordReader in(info, layout.tableOffset);
  const int available = static_cast<int>(std::min<qint64>(layout.tableEntries, in.Remaining() / layout.entrySize));
  for (int i = 0; i < available; ++i) {
    if (table == DibColourTable::PaletteIndices) {
      const int index = in.U16() & 0xFF;
      colours[i] = qRgb(index, index, index);
    } else {
      const int b = in.U8();
      const int g = in.U8();
      const int r = in.U8();
      if (layout.entrySize == 4) in.U8();
      colours[i] = qRgb(r, g, b);
    }
  }
  return colours;
}

// One colour channel cut out by its mask and spread to 0..255.
struct Channel {
  quint32 mask = 0;
  int shift = 0;
  quint32 top = 0;

  explicit Channel(quint32 m) : mask(m) {
    if (mask == 0) return;
    shift = std::countr_zero(mask);
    top = mask >> shift;
  }
  int Of(quint32 pixel) const {
    if (mask == 0) return 0;
    const quint64 value = (pixel & mask) >> shift;
    return static_cast<int>(value * 255 / top);
  }
};

QImage Decode(const DibLayout& layout, const std::vector<QRgb>& colours, QByteArrayView bits, DibAlpha alpha) {
  const qint64 stride = ((qint64(layout.width) * layout.bitCount + 31) / 32) * 4;
  const qint64 lastRow = (qint64(layout.width) * layout.bitCount + 7) / 8;
  // The last row may lack its padding; everything before it must be there.
  if (bits.size() < stride * (layout.height - 1) + lastRow) return QImage();
  const bool withAlpha = alpha == DibAlpha::Premultiplied && layout.bitCount == 32;
  QImage image(layout.width, layout.height, withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  if (image.isNull()) return image;
  const Channel red(layout.masks[0]), green(layout.masks[1]), blue(layout.masks[2]), alphaChannel(layout.masks[3]);
  const auto* data = reinterpret_cast<const unsigned char*>(bits.data());
  for (int row = 0; row < layout.height; ++row) {
    const unsigned char* src = data + stride * row;
    const int y = layout.topDown ? row : layout.height - 1 - row;
    auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < layout.width; ++x) {
      switch (layout.bitCount) {
        case 1: dst[x] = colours[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: dst[x] = colours[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F]; break;
        case 8: dst[x] = colours[src[x]]; break;
        case 16: {
          const quint32 p = src[2 * x] | (src[2 * x + 1] << 8);
          dst[x] = qRgb(red.Of(p), green.Of(p), blue.Of(p));
          break;
        }
        case 24: dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
        default: {
          const unsigned char* q = src + 4 * x;
          const quint32 p = q[0] | (q[1] << 8) | (q[2] << 16) | (static_cast<quint32>(q[3]) << 24);
          if (withAlpha) {
            const int a = alphaChannel.Of(p);
            // Premultiplied data never exceeds its alpha; clamp what does.
            dst[x] = qRgba(std::min(red.Of(p), a), std::min(green.Of(p), a), std::min(blue.Of(p), a), a);
          } else {
            dst[x] = qRgb(red.Of(p), green.Of(p), blue.Of(p));
          }
          break;
        }
      }
    }
  }
  return image;
}

}  // namespace

QImage ReadDib(QByteArrayView info, QByteArrayView bits, DibColourTable table, DibAlpha alpha) {
  const std::optional<DibLayout> layout = ReadLayout(info, table);
  if (!layout) return QImage();
  return Decode(*layout, ReadColourTable(info, *layout, table), bits, alpha);
}

bool DibRowsBottomUp(QByteArrayView info) {
  TMetafileRecordReader in(info);
  const quint32 headerSize = in.U32();
  if (headerSize == 12) return true;
  in.I32();  // width
  return in.I32() > 0;
}

QImage ReadPackedDib(QByteArrayView packed, DibColourTable table, DibAlpha alpha) {
  const std::optional<DibLayout> layout = ReadLayout(packed, table);
  if (!layout || layout->bitsOffset > packed.size()) return QImage();
  return Decode(*layout, ReadColourTable(packed, *layout, table), packed.sliced(layout->bitsOffset), alpha);
}

}  // namespace orv
