#include "imaging/OVImageView.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <string>

#include "base/HostPath.h"
#include "imaging/BadPictureSymbol.h"
#include "imaging/PcxReader.h"
#include "imaging/metafile/MetafilePicture.h"

namespace orv {

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
  QFile file(QString::fromStdString(HostPath(ansiName)));
  if (!file.open(QIODevice::ReadOnly)) {
    DecodedPicture failed;
    failed.bad = true;
    Take(std::move(failed));
    return false;
  }
  const QByteArray bytes = file.readAll();
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

TPictureInfo TOVImageView::ReadInfo(QByteArrayView bytes, std::string_view nameHint) {
  TPictureInfo info;
  PictureFormat format = FormatFromSignature(bytes);
  if (format == PictureFormat::Unknown) format = FormatFromExtension(nameHint);
  switch (format) {
    case PictureFormat::Unknown:
      return info;
    case PictureFormat::Wmf:
    case PictureFormat::Emf: {
      const auto meta = TMetafilePicture::Read(bytes);
      if (meta == nullptr) return info;
      info.width = meta->NaturalSize().width();
      info.height = meta->NaturalSize().height();
      break;
    }
    case PictureFormat::Pcx: {
      const QImage image = ReadPcx(bytes);
      if (image.isNull()) return info;
      info.width = image.width();
      info.height = image.height();
      break;
    }
    default: {
      QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
      QBuffer buffer(&data);
      buffer.open(QIODevice::ReadOnly);
      QImageReader reader(&buffer);
      reader.setAutoTransform(false);
      const QSize size = reader.size();
      if (!size.isValid()) return info;
      info.width = size.width();
      info.height = size.height();
      const QImage::Format imageFormat = reader.imageFormat();
      info.hasAlpha = imageFormat != QImage::Format_Invalid && QImage::toPixelFormat(imageFormat).alphaUsage() ==
                                                                     QPixelFormat::UsesAlpha;
      break;
    }
  }
  info.readable = true;
  return info;
}

TPictureInfo TOVImageView::ReadInfo(std::string_view ansiName) {
  QFile file(QString::fromStdString(HostPath(ansiName)));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return ReadInfo(bytes, ansiName);
}

void TOVImageView::DrawAt(QPainter& painter, int opacity, QPoint at) const {
  if (meta_ != nullptr) {
    DrawStretched(painter, true, opacity, QRect(at, meta_->NaturalSize()));
    return;
  }
  if (bitmap_.isNull()) return;
  painter.save();
  if (opacity < 255) painter.setOpacity(std::max(opacity, 0) / 255.0);
  if (opacity == 256 && hasAlpha_)
    painter.drawImage(at, bitmap_.convertToFormat(QImage::Format_RGB32));
  else
    painter.drawImage(at, bitmap_);
  painter.restore();
}

void TOVImageView::DrawStretched(QPainter& painter, bool resample, int opacity, const QRect& target) const {
  if (target.isEmpty()) return;
  painter.save();
  if (opacity < 255) painter.setOpacity(std::max(opacity, 0) / 255.0);
  if (meta_ != nullptr) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(target, Qt::IntersectClip);
    meta_->Play(painter, QRectF(target));
  } else if (!bitmap_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, resample && !bad_);
    if (opacity == 256 && hasAlpha_)
      painter.drawImage(target, bitmap_.convertToFormat(QImage::Format_RGB32));
    else
      painter.drawImage(target, bitmap_);
  }
  painter.restore();
}

QImage TOVImageView::ResampleTo(int width, int height) const {
  if (width <= 0 || height <= 0 || bitmap_.isNull()) return QImage();
  if (meta_ == nullptr) return bitmap_.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawStretched(painter, true, 255, image.rect());
  return image;
}

}  // namespace orv
