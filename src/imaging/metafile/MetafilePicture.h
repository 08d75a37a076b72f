#pragma once
// A Windows metafile (WMF, with or without the placeable header, or EMF)
// kept as its records and played onto a QPainter whenever it is drawn, so
// it stays sharp at any size.
#include <QByteArray>
#include <QByteArrayView>
#include <QRectF>
#include <QSize>
#include <memory>

class QPainter;

namespace orv {

class TMetafilePicture {
 public:
  // Null when `bytes` is not a metafile whose header can be read.
  static std::shared_ptr<const TMetafilePicture> Read(QByteArrayView bytes);

  // The size the picture is drawn at by default: the placeable header's,
  // the EMF frame's at 96 pixels per inch, or the first window extent.
  QSize NaturalSize() const { return naturalSize_; }
  bool IsEmf() const { return emf_; }

  // Plays the records with the picture's bounds mapped onto `target`.
  // Playback stops at the first record that runs past the data, names an
  // object outside the table or carries an absurd count; what was drawn
  // before stays.
  void Play(QPainter& painter, const QRectF& target) const;

 private:
  TMetafilePicture() = default;

  QByteArray bytes_;
  QSize naturalSize_;
  bool emf_ = false;
};

}  // namespace orv
