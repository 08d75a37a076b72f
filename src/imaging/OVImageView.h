#pragma once
// TOVImageView: a decoded picture as every picture-showing part uses it: the
// bitmap (with its alpha channel when it has one) and whether decoding
// failed, in which case the bitmap is the bad-picture symbol. Drawing with an
// opacity and resampling belong to the picture objects and come with them.
#include <QByteArrayView>
#include <QImage>
#include <string_view>

#include "imaging/PictureDecoder.h"

namespace orv {

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

  const QImage& Bitmap() const { return bitmap_; }
  bool HasAlpha() const { return hasAlpha_; }
  bool BadImage() const { return bad_; }
  bool IsMeta() const { return isMeta_; }
  bool IsEmpty() const { return bitmap_.isNull(); }
  int ImageWidth() const { return bitmap_.width(); }
  int ImageHeight() const { return bitmap_.height(); }

 private:
  void Take(DecodedPicture decoded);

  QImage bitmap_;
  bool hasAlpha_ = false;
  bool bad_ = false;
  bool isMeta_ = false;
};

}  // namespace orv
