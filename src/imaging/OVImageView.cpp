#include "imaging/OVImageView.h"

#include <QFile>
#include <string>

#include "base/HostPath.h"
#include "imaging/BadPictureSymbol.h"

namespace orv {

void TOVImageView::Take(DecodedPicture decoded) {
  bad_ = decoded.bad;
  isMeta_ = decoded.isMeta;
  hasAlpha_ = !decoded.bad && decoded.hasAlpha;
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
  hasAlpha_ = bad_ = isMeta_ = false;
}

}  // namespace orv
