#include "imaging/PictureDecoder.h"

#include <QPainter>
#include <cstring>
#include <string>

#include "base/Ansi.h"
#include "base/PathNames.h"
#include "imaging/PcxReader.h"
#include "imaging/QtPictureReader.h"
#include "imaging/metafile/MetafilePicture.h"

namespace orv {

namespace {

bool StartsWith(QByteArrayView bytes, const char* prefix, qsizetype length) {
  return bytes.size() >= length && std::memcmp(bytes.data(), prefix, static_cast<std::size_t>(length)) == 0;
}

std::uint32_t LittleWord32(QByteArrayView bytes, qsizetype at) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool LooksLikeWmf(QByteArrayView bytes) {
  if (StartsWith(bytes, "\xD7\xCD\xC6\x9A", 4)) return true;  // placeable header
  if (bytes.size() < 18) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const int type = p[0] | (p[1] << 8);
  const int headerWords = p[2] | (p[3] << 8);
  const int version = p[4] | (p[5] << 8);
  return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

bool LooksLikeEmf(QByteArrayView bytes) {
  return bytes.size() >= 44 && LittleWord32(bytes, 0) == 1 && LittleWord32(bytes, 40) == 0x464D4520;
}

// The bitmap a metafile stands for where one is needed (regions, copies):
// its records on white at natural size.
QImage RenderMetafile(const TMetafilePicture& meta) {
  const QSize size = meta.NaturalSize();
  if (!FitsMetafileBitmap(size)) return QImage();
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  meta.Play(painter, QRectF(0, 0, size.width(), size.height()));
  return image;
}

}  // namespace

PictureFormat FormatFromExtension(std::string_view name) {
  const std::string ext = AnsiLowerCase(ExtractFileExt(name));
  if (ext == ".jpg" || ext == ".jpeg" || ext == ".jpe") return PictureFormat::Jpeg;
  if (ext == ".png") return PictureFormat::Png;
  if (ext == ".gif") return PictureFormat::Gif;
  if (ext == ".tif" || ext == ".tiff") return PictureFormat::Tiff;
  if (ext == ".pcx") return PictureFormat::Pcx;
  if (ext == ".bmp") return PictureFormat::Bmp;
  if (ext == ".ico") return PictureFormat::Ico;
  if (ext == ".wmf") return PictureFormat::Wmf;
  if (ext == ".emf") return PictureFormat::Emf;
  return PictureFormat::Unknown;
}

PictureFormat FormatFromSignature(QByteArrayView bytes) {
  if (StartsWith(bytes, "\xFF\xD8\xFF", 3)) return PictureFormat::Jpeg;
  if (StartsWith(bytes, "\x89PNG\r\n\x1A\n", 8)) return PictureFormat::Png;
  if (StartsWith(bytes, "GIF87a", 6) || StartsWith(bytes, "GIF89a", 6)) return PictureFormat::Gif;
  if (StartsWith(bytes, "II*\0", 4) || StartsWith(bytes, "MM\0*", 4)) return PictureFormat::Tiff;
  if (StartsWith(bytes, "BM", 2) && bytes.size() >= 26) return PictureFormat::Bmp;
  if (StartsWith(bytes, "\0\0\1\0", 4) && bytes.size() >= 22) return PictureFormat::Ico;
  if (LooksLikeEmf(bytes)) return PictureFormat::Emf;
  if (LooksLikeWmf(bytes)) return PictureFormat::Wmf;
  if (LooksLikePcx(bytes)) return PictureFormat::Pcx;
  return PictureFormat::Unknown;
}

bool FitsPictureBitmap(QSize size) {
  return size.width() > 0 && size.height() > 0 &&
         static_cast<qint64>(size.width()) * size.height() <= kLargestPicturePixels;
}

bool FitsMetafileBitmap(QSize size) {
  return FitsPictureBitmap(size) && size.width() <= kLargestMetafileSide && size.height() <= kLargestMetafileSide;
}

PictureFormat DetectPictureFormat(QByteArrayView bytes, std::string_view nameHint) {
  const PictureFormat format = FormatFromSignature(bytes);
  return format != PictureFormat::Unknown ? format : FormatFromExtension(nameHint);
}

DecodedPicture DecodePicture(QByteArrayView bytes, std::string_view nameHint) {
  DecodedPicture result;
  const PictureFormat format = DetectPictureFormat(bytes, nameHint);

  QImage image;
  switch (format) {
    case PictureFormat::Unknown:
      break;
    case PictureFormat::Wmf:
    case PictureFormat::Emf:
      result.isMeta = true;
      result.meta = TMetafilePicture::Read(bytes);
      if (result.meta != nullptr) image = RenderMetafile(*result.meta);
      break;
    case PictureFormat::Pcx:
      image = ReadPcx(bytes);
      break;
    default:
      image = ReadWithQt(bytes, format);
      break;
  }
  // Our bitmap is 32 bits a pixel whatever the reader gave: a picture read
  // at 1 or 8 bits must still fit once widened.
  if (!image.isNull() && FitsPictureBitmap(image.size()))
    result.image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                : QImage::Format_RGB32);
  if (result.image.isNull()) {  // undecodable, too large, or out of memory
    result.bad = true;
    result.meta.reset();
    return result;
  }
  result.hasAlpha = result.image.hasAlphaChannel();
  return result;
}

}  // namespace orv
