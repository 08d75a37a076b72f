#include "imaging/QtPictureReader.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixelFormat>

#include "imaging/BmpPixelData.h"
#include "imaging/GifTransparency.h"
#include "imaging/IconImageChoice.h"

namespace orv {

namespace {

const char* QtFormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::Jpeg: return "jpeg";
    case PictureFormat::Png: return "png";
    case PictureFormat::Gif: return "gif";
    case PictureFormat::Tiff: return "tiff";
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::Ico: return "ico";
    default: return nullptr;
  }
}

// A QImageReader over bytes the caller keeps alive, positioned on the image
// the player shows.
class PictureReader {
 public:
  PictureReader(QByteArrayView bytes, PictureFormat format)
      : data_(QByteArray::fromRawData(bytes.data(), bytes.size())), buffer_(&data_) {
    buffer_.open(QIODevice::ReadOnly);
    reader_.setDevice(&buffer_);
    reader_.setFormat(QtFormatName(format));
    reader_.setDecideFormatFromContent(false);
    // Pictures show as the author saw them in the authoring tool, which
    // ignored the camera's orientation tag.
    reader_.setAutoTransform(false);
    if (format == PictureFormat::Ico) usable_ = ChooseIconImage(reader_, bytes) >= 0;
  }

  QImageReader& Reader() { return reader_; }
  // False for an icon file without a single image to show.
  bool Usable() const { return usable_; }

 private:
  QByteArray data_;
  QBuffer buffer_;
  QImageReader reader_;
  bool usable_ = true;
};

bool FormatUsesAlpha(QImage::Format format) {
  return format != QImage::Format_Invalid && QImage::toPixelFormat(format).alphaUsage() == QPixelFormat::UsesAlpha;
}

}  // namespace

bool ReadableWithQt(PictureFormat format) { return QtFormatName(format) != nullptr; }

QImage ReadWithQt(QByteArrayView bytes, PictureFormat format) {
  if (!ReadableWithQt(format)) return QImage();
  if (format == PictureFormat::Bmp && !BmpHoldsAllPixels(bytes)) return QImage();
  PictureReader picture(bytes, format);
  if (!picture.Usable()) return QImage();
  QImageReader& reader = picture.Reader();
  // A header announcing more than the player keeps is not decoded at all.
  const QSize announced = reader.size();
  if (announced.isValid() && !FitsPictureBitmap(announced)) return QImage();
  QImage image;
  if (format == PictureFormat::Bmp) image = BmpBlankCanvas(bytes);
  if (!reader.read(&image)) return QImage();
  // An icon's mask is its alpha; an icon stored as PNG without one gets an
  // opaque one, so every icon is handled alike.
  if (format == PictureFormat::Ico && !image.hasAlphaChannel())
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return image;
}

std::optional<QtPictureHeader> ReadHeaderWithQt(QByteArrayView bytes, PictureFormat format) {
  if (!ReadableWithQt(format)) return std::nullopt;
  if (format == PictureFormat::Bmp && !BmpHoldsAllPixels(bytes)) return std::nullopt;
  PictureReader picture(bytes, format);
  if (!picture.Usable()) return std::nullopt;
  QImageReader& reader = picture.Reader();
  QtPictureHeader header;
  header.size = reader.size();
  if (header.size.width() < 0 || header.size.height() < 0) return std::nullopt;
  switch (format) {
    case PictureFormat::Ico:
      header.hasAlpha = true;
      break;
    case PictureFormat::Gif:
      // Qt's GIF reader does not tell the format ahead; its first image has
      // alpha exactly when a transparent index governs it.
      header.hasAlpha = GifFirstImageHasTransparency(bytes);
      break;
    default:
      header.hasAlpha = FormatUsesAlpha(reader.imageFormat());
      break;
  }
  return header;
}

}  // namespace orv
