#pragma once
// Enhanced metafiles (EMF): the header record and the 32-bit records that
// follow it, played onto a metafile canvas. EMF+ records, which travel in
// comment records, are skipped with the other comments.
#include <QByteArrayView>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <optional>

class QPainter;

namespace orv {

class TMetafileCanvas;
class TMetafileRecordReader;
class TGdiObjectTable;

struct TEmfHeader {
  static constexpr quint32 kSignature = 0x464D4520;  // " EMF"

  QSizeF pixelsPerMm;  // the reference device's resolution
  int handles = 0;
  // The rectangle of the reference device that maps onto the target.
  QRectF shown;
  QSize naturalSize;  // pixels at 96 per inch; empty when nothing tells
};

class TEmfPlayer {
 public:
  // None when the header record cannot be read.
  static std::optional<TEmfHeader> ReadHeader(QByteArrayView bytes);
  static void Play(QByteArrayView bytes, const TEmfHeader& header, QPainter& painter, const QRectF& target);

 private:
  TEmfPlayer(TMetafileCanvas& canvas, TGdiObjectTable& objects) : canvas_(canvas), objects_(objects) {}

  // False ends playback: the record is cut short, names an object outside
  // the table or carries a count its data cannot hold.
  bool PlayRecord(quint32 type, TMetafileRecordReader& in);
  bool PlayState(quint32 type, TMetafileRecordReader& in);
  bool PlayPoly(quint32 type, TMetafileRecordReader& in);
  bool PlayShape(quint32 type, TMetafileRecordReader& in);
  bool PlayPath(quint32 type, TMetafileRecordReader& in);
  bool PlayObject(quint32 type, TMetafileRecordReader& in);
  bool PlayText(quint32 type, TMetafileRecordReader& in);
  bool PlayBitmap(quint32 type, TMetafileRecordReader& in);

  TMetafileCanvas& canvas_;
  TGdiObjectTable& objects_;
};

}  // namespace orv
