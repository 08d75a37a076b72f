#include "imaging/metafile/MetafilePicture.h"

#include <QPainter>
#include <cmath>

#include "imaging/metafile/EmfPlayer.h"
#include "imaging/metafile/WmfPlayer.h"

namespace orv {

std::shared_ptr<const TMetafilePicture> TMetafilePicture::Read(QByteArrayView bytes) {
  std::shared_ptr<TMetafilePicture> picture(new TMetafilePicture());
  if (const auto emf = TEmfPlayer::ReadHeader(bytes)) {
    picture->emf_ = true;
    picture->naturalSize_ = emf->naturalSize;
  } else if (const auto wmf = TWmfPlayer::ReadHeader(bytes)) {
    picture->naturalSize_ = wmf->naturalSize;
  } else {
    return nullptr;
  }
  picture->bytes_ = bytes.toByteArray();
  return picture;
}

void TMetafilePicture::Play(QPainter& painter, const QRectF& target) const {
  if (!painter.isActive() || !std::isfinite(target.x()) || !std::isfinite(target.y()) ||
      !std::isfinite(target.width()) || !std::isfinite(target.height()) || target.isEmpty())
    return;
  if (emf_) {
    if (const auto header = TEmfPlayer::ReadHeader(bytes_)) TEmfPlayer::Play(bytes_, *header, painter, target);
  } else {
    if (const auto header = TWmfPlayer::ReadHeader(bytes_)) TWmfPlayer::Play(bytes_, *header, painter, target);
  }
}

}  // namespace orv
