#include "imaging/GifTransparency.h"

#include <cstring>

namespace orv {

namespace {

constexpr qsizetype kScreenDescriptorEnd = 13;  // signature (6) + screen descriptor (7)

// Steps over a chain of data sub-blocks starting at `pos`; false when the
// data ends first.
bool SkipSubBlocks(QByteArrayView bytes, qsizetype& pos) {
  while (pos < bytes.size()) {
    const auto length = static_cast<unsigned char>(bytes[pos++]);
    if (length == 0) return true;
    pos += length;
  }
  return false;
}

}  // namespace

bool GifFirstImageHasTransparency(QByteArrayView bytes) {
  if (bytes.size() < kScreenDescriptorEnd || std::memcmp(bytes.data(), "GIF8", 4) != 0) return false;
  const auto flags = static_cast<unsigned char>(bytes[10]);
  qsizetype pos = kScreenDescriptorEnd;
  if (flags & 0x80) pos += 3 * (qsizetype(2) << (flags & 7));  // global colour table
  bool transparent = false;
  while (pos < bytes.size()) {
    const auto introducer = static_cast<unsigned char>(bytes[pos++]);
    if (introducer != 0x21) break;  // an image (0x2C), the end (0x3B) or garbage
    if (pos >= bytes.size()) break;
    const auto label = static_cast<unsigned char>(bytes[pos++]);
    // Graphic control: size 4, packed flags, delay (2), transparent index.
    // A later one before the image replaces an earlier one.
    if (label == 0xF9 && pos + 2 <= bytes.size() && static_cast<unsigned char>(bytes[pos]) >= 1)
      transparent = (static_cast<unsigned char>(bytes[pos + 1]) & 1) != 0;
    if (!SkipSubBlocks(bytes, pos)) break;
  }
  return transparent;
}

}  // namespace orv
