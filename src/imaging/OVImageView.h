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

// What a picture's header tells without decoding it. Three outcomes:
// - not readable (32 by 32): no file could be read, or its bytes are of no
//   picture format the decoder knows; there is nothing to show.
// - readable with a positive size: a picture that should decode at that size
//   (an icon: the image the decoder picks).
// - readable with width and height 0: a picture of a known format whose
//   header is broken, names an empty size (0 wide or 0 high) or one too large
//   to keep. Decoding it gives the bad picture, and callers show the
//   bad-picture symbol for it, as they do for any size <= 0.
struct TPictureInfo {
  int width = 32;
  int height = 32;
  bool hasAlpha = false;
  bool readable = false;

  bool ShowsBadPicture() const { return readable && (width <= 0 || height <= 0); }
};

class TOVImageView {
 public:
  // Decodes `bytes`; `nameHint` is the picture's name (its extension helps
  // when the data's signature is not conclusive). False when the picture is
  // bad; the bitmap is then the bad-picture symbol.
  bool LoadFromStream(QByteArrayView bytes, std::string_view nameHint = {});
  // The same from a file named the publication's way (Windows-1252, any
  // separators), found through HostPath. Only regular files up to
  // kLargestPictureFile (PictureFile.h) are read; anything else is bad.
  bool LoadFromFile(std::string_view ansiName);
  // Takes an already decoded bitmap (a picture drawn by the player itself).
  void Assign(const QImage& image);
  void Clear();

  // Width, height and alpha from the header of the file named the
  // publication's way (read as LoadFromFile reads it); a file that cannot be
  // read reports 32 by 32, not readable.
  static TPictureInfo ReadInfo(std::string_view ansiName);
  // The same for bytes already in memory (`nameHint` as for LoadFromStream).
  static TPictureInfo ReadStreamInfo(QByteArrayView bytes, std::string_view nameHint = {});

  // Draws at natural size with the top-left at `at`. Opacity is 1 to 255
  // (255 opaque; below blends, on top of the painter's own opacity) or 256:
  // opaque with the alpha channel ignored, the colours drawn as they are.
  // Metafiles are played into their own rectangle.
  void DrawAt(QPainter& painter, int opacity, QPoint at) const;
  // Draws stretched into `target` with the same opacity rule: smooth
  // interpolation with `resample` (never for the bad-picture symbol, which
  // stays crisp), else nearest neighbour.
  void DrawStretched(QPainter& painter, bool resample, int opacity, const QRect& target) const;
  // A copy of the picture at that size: smoothly scaled (the bad-picture
  // symbol by nearest neighbour), metafiles played onto white. Null for a
  // size that is not positive or too large to keep.
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
