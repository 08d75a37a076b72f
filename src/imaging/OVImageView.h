#pragma once
// TOVImageView: a decoded picture as every picture-showing part uses it: the
// bitmap (with its alpha channel when it has one), the metafile's records
// when it is one, and whether decoding failed, in which case the bitmap is
// the bad-picture symbol. It draws itself with an opacity, at natural size
// or stretched.
#include <QByteArrayView>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <memory>
#include <string_view>

#include "imaging/PictureDecoder.h"

class QPainter;

namespace orv {

class TMetafilePicture;

// What a picture's header tells without decoding it.
struct TPictureInfo {
  int width = 32;
  int height = 32;
  bool hasAlpha = false;
  bool readable = false;  // the file could be read and named a known format
};

class TOVImageView {
 public:
  // Decodes `bytes`; `nameHint` is the picture's name (its extension helps
  // when the data's signature is not conclusive). False when the picture is
  // bad; the bitmap is then the bad-picture symbol.
  bool LoadFromStream(QByteArrayView bytes, std::string_view nameHint = {});
  // The same from a file named the publication's way (Windows-1252, any
  // separators), found through HostPath. A file that cannot be read is bad.
  bool LoadFromFile(std::string_view ansiName);
  // Takes an already decoded bitmap (a picture drawn by the player itself).
  void Assign(const QImage& image);
  void Clear();

  // Width, height and alpha from the header of the file named the
  // publication's way; a file that cannot be read reports 32 by 32.
  static TPictureInfo ReadInfo(std::string_view ansiName);
  // The same for bytes already in memory.
  static TPictureInfo ReadInfo(QByteArrayView bytes, std::string_view nameHint = {});

  // Draws at natural size with the top-left at `at`. An opacity below 255
  // blends; 256 draws the bitmap as if it had no alpha channel. Metafiles
  // are played into their own rectangle.
  void DrawAt(QPainter& painter, int opacity, QPoint at) const;
  // Draws stretched into `target`: smooth interpolation with `resample`
  // (never for the bad-picture symbol), else nearest neighbour.
  void DrawStretched(QPainter& painter, bool resample, int opacity, const QRect& target) const;
  // A copy of the picture at that size (smoothly scaled; metafiles played).
  QImage ResampleTo(int width, int height) const;

  const QImage& Bitmap() const { return bitmap_; }
  bool HasAlpha() const { return hasAlpha_; }
  bool BadImage() const { return bad_; }
  bool IsMeta() const { return isMeta_; }
  // The metafile's records; null unless IsMeta and not bad.
  const TMetafilePicture* Meta() const { return meta_.get(); }
  bool IsEmpty() const { return bitmap_.isNull(); }
  int ImageWidth() const { return bitmap_.width(); }
  int ImageHeight() const { return bitmap_.height(); }

 private:
  void Take(DecodedPicture decoded);

  QImage bitmap_;
  bool hasAlpha_ = false;
  bool bad_ = false;
  bool isMeta_ = false;
  std::shared_ptr<const TMetafilePicture> meta_;
};

}  // namespace orv
