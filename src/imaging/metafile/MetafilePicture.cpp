#include "imaging/metafile/MetafilePicture.h"

#include <QPainter>

namespace orv {

std::shared_ptr<const TMetafilePicture> TMetafilePicture::Read(QByteArrayView) { return nullptr; }

void TMetafilePicture::Play(QPainter&, const QRectF&) const {}

}  // namespace orv
