#include "app/WindowOutline.h"

#include <QImage>

#include "pages/PictureCache.h"

namespace orv {

QRegion AlphaRegion(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  QRegion region;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    int x = 0;
    while (x < image.width()) {
      while (x < image.width() && qAlpha(row[x]) == 0) ++x;
      const int start = x;
      while (x < image.width() && qAlpha(row[x]) != 0) ++x;
      if (x > start) region += QRect(start, y, x - start, 1);
    }
  }
  return region;
}

std::optional<TWindowOutline> BuildWindowOutline(TPictureCache& cache, std::string_view file,
                                                 ColourValue transparent) {
  if (file.empty()) return std::nullopt;
  const AcquiredPicture acquired = cache.AcquirePicture(file, transparent);
  if (!acquired) return std::nullopt;
  struct Release {
    TPictureCache& cache;
    const TOVImageView* picture;
    ~Release() { cache.ReleasePicture(picture); }
  } release{cache, acquired.picture.get()};
  const TOVImageView& picture = *acquired.picture;
  if (picture.BadImage() || picture.IsEmpty()) return std::nullopt;
  TWindowOutline outline;
  outline.Size = picture.Bitmap().size();
  if (picture.HasAlpha())
    outline.Region = AlphaRegion(picture.Bitmap());
  else if (acquired.region)
    outline.Region = *acquired.region;
  else
    outline.Region = QRegion(QRect(QPoint(0, 0), outline.Size));
  // Cut to the client, which is the picture.
  outline.Region &= QRect(QPoint(0, 0), outline.Size);
  return outline;
}

}  // namespace orv
