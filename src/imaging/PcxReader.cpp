#include "imaging/PcxReader.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace orv {

namespace {

constexpr int kHeaderSize = 128;
// Large enough for any real picture, small enough that a forged header cannot
// make us allocate gigabytes.
constexpr std::int64_t kMaxPixels = 16LL * 1024 * 1024;

struct PcxHeader {
  int version = 0;
  int encoding = 0;
  int bitsPerPixel = 0;
  int width = 0;
  int height = 0;
  int planes = 0;
  int bytesPerLine = 0;
  const unsigned char* egaPalette = nullptr;  // 16 x RGB
};

int Word(const unsigned char* p) { return p[0] | (p[1] << 8); }

bool ReadHeader(QByteArrayView bytes, PcxHeader& header) {
  if (bytes.size() < kHeaderSize) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  if (p[0] != 0x0A) return false;
  header.version = p[1];
  header.encoding = p[2];
  header.bitsPerPixel = p[3];
  const int xMin = Word(p + 4), yMin = Word(p + 6), xMax = Word(p + 8), yMax = Word(p + 10);
  header.width = xMax - xMin + 1;
  header.height = yMax - yMin + 1;
  header.egaPalette = p + 16;
  header.planes = p[65];
  header.bytesPerLine = Word(p + 66);
  if (header.version > 5 || header.encoding > 1) return false;
  if (header.width <= 0 || header.height <= 0) return false;
  if (static_cast<std::int64_t>(header.width) * header.height > kMaxPixels) return false;
  const int bpp = header.bitsPerPixel;
  const int planes = header.planes;
  const bool supported = (bpp == 1 && planes >= 1 && planes <= 4) ||
                         ((bpp == 2 || bpp == 4) && planes == 1) ||
                         (bpp == 8 && (planes == 1 || planes == 3 || planes == 4));
  if (!supported) return false;
  // Each plane's line must hold the whole width.
  if (static_cast<std::int64_t>(header.bytesPerLine) * 8 < static_cast<std::int64_t>(header.width) * bpp)
    return false;
  return true;
}

// Hands out the decoded bytes one line at a time. Runs may cross line ends,
// as some writers produce them; data that ends early gives zeros.
class LineUnpacker {
 public:
  LineUnpacker(const unsigned char* data, std::size_t size, bool encoded)
      : data_(data), size_(size), encoded_(encoded) {}

  void Next(unsigned char* line, std::size_t length) {
    std::size_t filled = 0;
    while (filled < length) {
      if (runLeft_ == 0 && !Refill()) break;
      const std::size_t n = std::min(runLeft_, length - filled);
      std::memset(line + filled, runValue_, n);
      filled += n;
      runLeft_ -= n;
    }
    if (filled < length) std::memset(line + filled, 0, length - filled);
  }

 private:
  bool Refill() {
    if (pos_ >= size_) return false;
    unsigned char b = data_[pos_++];
    std::size_t count = 1;
    if (encoded_ && (b & 0xC0) == 0xC0) {
      count = b & 0x3F;
      if (pos_ >= size_) return false;
      b = data_[pos_++];
    }
    runValue_ = b;
    runLeft_ = count;
    return true;
  }

  const unsigned char* data_;
  std::size_t size_;
  bool encoded_;
  std::size_t pos_ = 0;
  std::size_t runLeft_ = 0;
  unsigned char runValue_ = 0;
};

// The standard sixteen colours, for headers that carry no palette of their
// own (version 3, or a palette area left blank).
constexpr QRgb kStandardColours[16] = {
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA,
    0xFFAA5500, 0xFFAAAAAA, 0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF,
    0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF};

bool HasOwnPalette(const PcxHeader& header) {
  if (header.version == 3) return false;
  for (int i = 0; i < 48; ++i)
    if (header.egaPalette[i] != 0) return true;
  return false;
}

QRgb SmallPaletteEntry(const PcxHeader& header, int index) {
  if (!HasOwnPalette(header)) return kStandardColours[index & 15];
  const unsigned char* e = header.egaPalette + 3 * index;
  return qRgb(e[0], e[1], e[2]);
}

}  // namespace

bool LooksLikePcx(QByteArrayView bytes) {
  PcxHeader header;
  return ReadHeader(bytes, header);
}

QImage ReadPcx(QByteArrayView bytes) {
  PcxHeader header;
  if (!ReadHeader(bytes, header)) return QImage();
  const int w = header.width, h = header.height;
  const int bpl = header.bytesPerLine, planes = header.planes, bpp = header.bitsPerPixel;
  const std::size_t lineBytes = static_cast<std::size_t>(bpl) * static_cast<std::size_t>(planes);
  std::vector<unsigned char> lineBuffer(lineBytes);
  unsigned char* const line = lineBuffer.data();
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto size = static_cast<std::size_t>(bytes.size());
  LineUnpacker unpacker(data + kHeaderSize, size - kHeaderSize, header.encoding == 1);

  if (bpp == 8 && planes >= 3) {
    const bool alpha = planes == 4;
    QImage image(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    for (int y = 0; y < h; ++y) {
      unpacker.Next(line, lineBytes);
      auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < w; ++x) {
        const int r = line[x], g = line[bpl + x], b = line[2 * bpl + x];
        out[x] = alpha ? qRgba(r, g, b, line[3 * bpl + x]) : qRgb(r, g, b);
      }
    }
    return image;
  }

  QImage image(w, h, QImage::Format_Indexed8);
  if (image.isNull()) return QImage();
  QList<QRgb> colours;
  if (bpp == 8) {
    // The 256-colour palette follows the picture data after a 12 byte.
    colours.resize(256);
    if (size >= kHeaderSize + 769 && data[size - 769] == 0x0C) {
      const unsigned char* p = data + size - 768;
      for (int i = 0; i < 256; ++i) colours[i] = qRgb(p[3 * i], p[3 * i + 1], p[3 * i + 2]);
    } else {
      for (int i = 0; i < 256; ++i) colours[i] = qRgb(i, i, i);
    }
  } else if (bpp == 1 && planes == 1) {
    colours = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  } else {
    const int count = 1 << (bpp * planes);
    colours.resize(count);
    for (int i = 0; i < count; ++i) colours[i] = SmallPaletteEntry(header, i);
  }
  image.setColorTable(colours);

  for (int y = 0; y < h; ++y) {
    unpacker.Next(line, lineBytes);
    uchar* out = image.scanLine(y);
    for (int x = 0; x < w; ++x) {
      int index = 0;
      if (bpp == 8) {
        index = line[x];
      } else if (planes == 1) {
        // Packed pixels, the leftmost in the highest bits.
        const int bitPos = x * bpp;
        const int shift = 8 - bpp - (bitPos & 7);
        index = (line[bitPos >> 3] >> shift) & ((1 << bpp) - 1);
      } else {
        // One bit per plane, plane 0 the lowest bit of the index.
        for (int p = 0; p < planes; ++p) {
          const int bit = (line[p * bpl + (x >> 3)] >> (7 - (x & 7))) & 1;
          index |= bit << p;
        }
      }
      out[x] = static_cast<uchar>(index);
    }
  }
  return image;
}

}  // namespace orv
