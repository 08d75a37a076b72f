#include "imaging/IconImageChoice.h"

#include <QImageReader>
#include <QSize>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace orv {

namespace {

constexpr qsizetype kDirectoryHeader = 6;
constexpr qsizetype kDirectoryEntry = 16;

const unsigned char* At(QByteArrayView bytes, std::int64_t offset, std::int64_t length) {
  if (offset < 0 || length < 0 || offset > bytes.size() || bytes.size() - offset < length) return nullptr;
  return reinterpret_cast<const unsigned char*>(bytes.data()) + offset;
}

int Word16(const unsigned char* p) { return p[0] | (p[1] << 8); }

std::uint32_t Word32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Samples per pixel of a PNG colour type.
int PngChannels(int colourType) {
  switch (colourType) {
    case 2: return 3;  // RGB
    case 4: return 2;  // grey and alpha
    case 6: return 4;  // RGBA
    default: return 1; // grey, palette
  }
}

// The bits per pixel the image data's own header states, 0 when unknown.
int DataBitsPerPixel(QByteArrayView bytes, std::uint32_t offset) {
  if (const unsigned char* png = At(bytes, offset, 26); png != nullptr && std::memcmp(png, "\x89PNG\r\n\x1A\n", 8) == 0)
    return png[24] * PngChannels(png[25]);  // IHDR bit depth times samples
  if (const unsigned char* bmp = At(bytes, offset, 16); bmp != nullptr) return Word16(bmp + 14);  // biBitCount
  return 0;
}

}  // namespace

int IconImageBitsPerPixel(QByteArrayView bytes, int index) {
  const unsigned char* entry = At(bytes, kDirectoryHeader + static_cast<std::int64_t>(index) * kDirectoryEntry,
                                  kDirectoryEntry);
  if (entry == nullptr) return 0;
  // The image's own header decides, as for the decoder; many writers leave
  // the directory's count at 0.
  const int own = DataBitsPerPixel(bytes, Word32(entry + 12));
  return own != 0 ? own : Word16(entry + 6);
}

bool IconImageInFile(QByteArrayView bytes, int index) {
  const unsigned char* entry = At(bytes, kDirectoryHeader + static_cast<std::int64_t>(index) * kDirectoryEntry,
                                  kDirectoryEntry);
  return entry != nullptr && At(bytes, Word32(entry + 12), Word32(entry + 8)) != nullptr;
}

int ChooseIconImage(QImageReader& reader, QByteArrayView bytes) {
  int best = -1;
  int bestDistance = 0, bestBits = 0;
  qint64 bestArea = 0;
  // The directory may claim more images than the file has room to list.
  const int count = static_cast<int>(std::min<qsizetype>(reader.imageCount(),
                                                         (bytes.size() - kDirectoryHeader) / kDirectoryEntry));
  for (int i = 0; i < count; ++i) {
    if (!reader.jumpToImage(i)) break;
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0 || !IconImageInFile(bytes, i)) continue;
    const int distance = std::abs(size.width() - kPreferredIconSide) + std::abs(size.height() - kPreferredIconSide);
    const int bits = IconImageBitsPerPixel(bytes, i);
    const qint64 area = static_cast<qint64>(size.width()) * size.height();
    const bool better = best < 0 || distance < bestDistance ||
                        (distance == bestDistance && (bits > bestBits || (bits == bestBits && area > bestArea)));
    if (!better) continue;
    best = i;
    bestDistance = distance;
    bestBits = bits;
    bestArea = area;
  }
  if (best >= 0) reader.jumpToImage(best);
  return best;
}

}  // namespace orv
