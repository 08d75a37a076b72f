#include "objects/pictures/PictureFileInfo.h"

#include "imaging/BadPictureSymbol.h"
#include "imaging/OVImageView.h"
#include "pages/PictureCacheSource.h"

namespace orv {

TPictureFileInfo ReadPictureFileInfo(std::string_view name, PictureEntrySource* entries) {
  TPictureFileInfo info;
  if (name.empty()) return info;
  if (entries != nullptr) {
    if (const auto entry = entries->EntryPictureInfo(name)) {
      info.exists = true;
      info.width = entry->width;
      info.height = entry->height;
      info.hasAlpha = entry->hasAlpha;
    }
  }
  if (!info.exists) {
    // Bytes of no picture format at all have nothing to show.
    const TPictureInfo header = TOVImageView::ReadInfo(name);
    info.exists = header.readable;
    info.width = header.width;
    info.height = header.height;
    info.hasAlpha = header.hasAlpha;
  }
  if (info.exists && (info.width <= 0 || info.height <= 0)) {
    info.bad = true;
    info.width = kBadPictureWidth;
    info.height = kBadPictureHeight;
    info.hasAlpha = false;
  }
  return info;
}

}  // namespace orv
