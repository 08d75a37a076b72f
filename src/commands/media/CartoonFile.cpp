#include "commands/media/CartoonFile.h"

#include <QByteArrayView>
#include <QHashFunctions>
#include <string>

#include "pages/Colour.h"
#include "pages/PictureCache.h"

namespace orv {

namespace {

std::uint32_t ReadLittle(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

// The cache knows pictures by name; a cartoon's picture is named after its
// file and its own bytes, so an edited file never shows the old strip.
std::string CacheName(std::string_view name, QByteArrayView picture) {
  const std::size_t hash = qHash(picture, 0);
  return std::string(name) + "|SN" + std::to_string(picture.size()) + "-" + std::to_string(hash);
}

}  // namespace

std::optional<TCartoonHeader> ReadCartoonHeader(std::string_view bytes) {
  if (bytes.size() < static_cast<std::size_t>(kCartoonHeaderSize) || bytes[0] != 'S' || bytes[1] != 'N')
    return std::nullopt;
  TCartoonHeader header;
  header.pictureOffset = static_cast<std::int32_t>(ReadLittle(bytes, 2, 4));
  header.frames = static_cast<int>(ReadLittle(bytes, 10, 2));
  return header;
}

TCartoonStrip::TCartoonStrip(QImage picture, std::optional<QRegion> region, int frames)
    : picture_(std::move(picture)),
      region_(std::move(region)),
      frames_(frames),
      frameWidth_(frames > 0 ? picture_.width() / frames : 0) {}

QRect TCartoonStrip::FrameRect(int index) const {
  return QRect(index * frameWidth_, 0, frameWidth_, picture_.height());
}

std::optional<QRegion> TCartoonStrip::FrameRegion(int index) const {
  if (!region_) return std::nullopt;
  const QRect frame = FrameRect(index);
  return region_->intersected(frame).translated(-frame.topLeft());
}

std::optional<TCartoonStrip> ReadCartoonStrip(std::string_view bytes, std::string_view name, TPictureCache& cache) {
  const std::optional<TCartoonHeader> header = ReadCartoonHeader(bytes);
  // Without frames there is no frame width to cut the strip by.
  if (!header || header->frames <= 0) return std::nullopt;
  if (header->pictureOffset < 0 || header->pictureOffset >= static_cast<std::int64_t>(bytes.size()))
    return std::nullopt;
  const std::string_view stored = bytes.substr(static_cast<std::size_t>(header->pictureOffset));
  const QByteArrayView picture(stored.data(), static_cast<qsizetype>(stored.size()));

  const AcquiredPicture acquired = cache.AcquirePicture(CacheName(name, picture), picture, kAutoTransparentColour);
  if (!acquired) return std::nullopt;
  // The strip is copied out (Qt shares the pixels), so the cache's hold
  // ends here.
  QImage strip = acquired.picture->Bitmap();
  const bool bad = acquired.picture->BadImage();
  cache.ReleasePicture(acquired.picture.get());
  if (bad || strip.isNull() || strip.height() <= 0 || strip.width() < header->frames) return std::nullopt;
  return TCartoonStrip(std::move(strip), acquired.region, header->frames);
}

}  // namespace orv
