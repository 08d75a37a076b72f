#include "pages/PictureCacheSource.h"

#include "imaging/OVImageView.h"

namespace orv {

int LoadEntryToPicture(PictureEntrySource& source, std::string_view name, TOVImageView& view) {
  std::string bytes;
  switch (source.ReadEntry(name, bytes)) {
    case PictureEntrySource::ReadResult::NoEntry: return kEntryMissing;
    case PictureEntrySource::ReadResult::CopyFailed: return kEntryFailed;
    case PictureEntrySource::ReadResult::Ok: break;
  }
  const QByteArrayView data(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return view.LoadFromStream(data, name) ? kEntryLoaded : kEntryFailed;
}

}  // namespace orv
