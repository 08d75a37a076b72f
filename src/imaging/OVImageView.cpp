#include "imaging/OVImageView.h"

#include <QPainter>
#include <algorithm>

#include "imaging/BadPictureSymbol.h"
#include "imaging/PcxReader.h"
#include "imaging/PictureFile.h"
#include "imaging/QtPictureReader.h"
#include "imaging/metafile/MetafilePicture.h"

namespace orv {

namespace {

constexpr int kOpaque = 255;
constexpr int kIgnoreAlpha = 256;

// Width, height and alpha of a PCX picture whose header LooksLikePcx
// accepted: the window (x0, y0) .. (x1, y1) inclusive; alpha in the fourth
// plane of 8-bit four-plane pictures.
QSize PcxSize(QByteArrayView bytes, bool& hasAlpha) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto word = [p](int at) { return p[at] | (p[at + 1] << 8); };
  hasAlpha = p[3] == 8 && p[65] == 4;
  return QSize(word(8) - word(4) + 1, word(10) - word(6) + 1);
}

// Sets the painter's opacity for a picture drawn with `opacity`, on top of
// whatever opacity the painter already has.
void ApplyOpacity(QPainter& painter, int opacity) {
  if (opacity < kOpaque) painter.setOpacity(painter.opacity() * std::max(opacity, 0) / 255.0);
}

}  // namespace

void TOVImageView::Take(DecodedPicture decoded) {
  bad_ = decoded.bad;
  isMeta_ = decoded.isMeta;
  hasAlpha_ = !decoded.bad && decoded.hasAlpha;
  meta_ = decoded.bad ? nullptr : std::move(decoded.meta);
  bitmap_ = decoded.bad ? BadPictureSymbol() : std::move(decoded.image);
}

bool TOVImageView::LoadFromStream(QByteArrayView bytes, std::string_view nameHint) {
  Take(DecodePicture(bytes, nameHint));
  return !bad_;
}

bool TOVImageView::LoadFromFile(std::string_view ansiName) {
  QByteArray bytes;
  if (!ReadPictureFile(ansiName, bytes)) {
    DecodedPicture failed;
    failed.bad = true;
    Take(std::move(failed));
    return false;
  }
  return LoadFromStream(bytes, ansiName);
}

void TOVImageView::Assign(const QImage& image) {
  DecodedPicture decoded;
  decoded.hasAlpha = image.hasAlphaChannel();
  decoded.bad = image.isNull();
  if (!decoded.bad)
    decoded.image = image.convertToFormat(decoded.hasAlpha ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32);
  Take(std::move(decoded));
}

void TOVImageView::Clear() {
  bitmap_ = QImage();
  meta_.reset();
  hasAlpha_ = bad_ = isMeta_ = false;
}

TPictureInfo TOVImageView::ReadStreamInfo(QByteArrayView bytes, std::string_view nameHint) {
  TPictureInfo info;
  const PictureFormat format = DetectPictureFormat(bytes, nameHint);
  if (format == PictureFormat::Unknown) return info;
  info.readable = true;
  QSize size;
  bool hasAlpha = false;
  switch (format) {
    case PictureFormat::Wmf:
    case PictureFormat::Emf:
      if (const auto meta = TMetafilePicture::Read(bytes); meta != nullptr && FitsMetafileBitmap(meta->NaturalSize()))
        size = meta->NaturalSize();
      break;
    case PictureFormat::Pcx:
      // Named .pcx but not shaped like one: the header is broken.
      if (LooksLikePcx(bytes)) size = PcxSize(bytes, hasAlpha);
      break;
    default:
      if (const auto header = ReadHeaderWithQt(bytes, format); header && FitsPictureBitmap(header->size)) {
        size = header->size;
        hasAlpha = header->hasAlpha;
      }
      break;
  }
  if (!FitsPictureBitmap(size)) {
    info.width = info.height = 0;  // a bad picture
    return info;
  }
  info.width = size.width();
  info.height = size.height();
  info.hasAlpha = hasAlpha;
  return info;
}

TPictureInfo TOVImageView::ReadInfo(std::string_view ansiName) {
  QByteArray bytes;
  if (!ReadPictureFile(ansiName, bytes)) return {};
  return ReadStreamInfo(bytes, ansiName);
}

void TOVImageView::DrawAt(QPainter& painter, int opacity, QPoint at) const {
  if (meta_ != nullptr) {
    DrawStretched(painter, true, opacity, QRect(at, meta_->NaturalSize()));
    return;
  }
  if (bitmap_.isNull()) return;
  painter.save();
  ApplyOpacity(painter, opacity);
  if (opacity >= kIgnoreAlpha && hasAlpha_)
    painter.drawImage(at, bitmap_.convertToFormat(QImage::Format_RGB32));
  else
    painter.drawImage(at, bitmap_);
  painter.restore();
}

void TOVImageView::DrawStretched(QPainter& painter, bool resample, int opacity, const QRect& target) const {
  if (target.isEmpty()) return;
  painter.save();
  ApplyOpacity(painter, opacity);
  if (meta_ != nullptr) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(target, Qt::IntersectClip);
    meta_->Play(painter, QRectF(target));
  } else if (!bitmap_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, resample && !bad_);
    if (opacity >= kIgnoreAlpha && hasAlpha_)
      painter.drawImage(target, bitmap_.convertToFormat(QImage::Format_RGB32));
    else
      painter.drawImage(target, bitmap_);
  }
  painter.restore();
}

QImage TOVImageView::ResampleTo(int width, int height) const {
  if (bitmap_.isNull() || !FitsPictureBitmap(QSize(width, height))) return QImage();
  if (meta_ == nullptr)
    return bitmap_.scaled(width, height, Qt::IgnoreAspectRatio, bad_ ? Qt::FastTransformation : Qt::SmoothTransformation);
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawStretched(painter, true, kOpaque, image.rect());
  return image;
}

}  // namespace orv
