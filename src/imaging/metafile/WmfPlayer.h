#pragma once
// Windows metafiles (WMF): the optional 22-byte placeable header, the
// standard header and the 16-bit records, played onto a metafile canvas.
#include <QByteArrayView>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <optional>

class QPainter;

namespace orv {

class TMetafileCanvas;
class TMetafileRecordReader;
class TGdiObjectTable;

struct TWmfHeader {
  static constexpr quint32 kPlaceableKey = 0x9AC6CDD7;

  bool placeable = false;
  // The logical window the picture covers: the placeable header's box, or
  // else the first window origin and extent the records set.
  QPointF windowOrg;
  QSizeF windowExt{0, 0};
  QSize naturalSize;  // pixels at 96 per inch; empty when nothing tells
  int objectCount = 0;
  qsizetype firstRecord = 0;
};

class TWmfPlayer {
 public:
  // None when the headers cannot be read.
  static std::optional<TWmfHeader> ReadHeader(QByteArrayView bytes);
  static void Play(QByteArrayView bytes, const TWmfHeader& header, QPainter& painter, const QRectF& target);

 private:
  TWmfPlayer(TMetafileCanvas& canvas, TGdiObjectTable& objects) : canvas_(canvas), objects_(objects) {}

  // False ends playback: the record is cut short, names an object outside
  // the table or carries a count its data cannot hold.
  bool PlayRecord(int function, TMetafileRecordReader& in);
  bool PlayState(int function, TMetafileRecordReader& in);
  bool PlayDrawing(int function, TMetafileRecordReader& in);
  bool PlayObject(int function, TMetafileRecordReader& in);
  bool PlayText(int function, TMetafileRecordReader& in);
  bool PlayBitmap(int function, TMetafileRecordReader& in, qsizetype recordWords);

  TMetafileCanvas& canvas_;
  TGdiObjectTable& objects_;
};

}  // namespace orv
