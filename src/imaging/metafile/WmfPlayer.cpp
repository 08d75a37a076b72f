#include "imaging/metafile/WmfPlayer.h"

#include <QPainter>
#include <cmath>
#include <string>

#include "base/Ansi.h"
#include "imaging/metafile/DibImage.h"
#include "imaging/metafile/GdiObjectTable.h"
#include "imaging/metafile/MetafileCanvas.h"
#include "imaging/metafile/MetafileRecordReader.h"

namespace orv {

namespace {

enum Function {
  kEof = 0x0000,
  kSaveDc = 0x001E,
  kCreatePalette = 0x00F7,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetPolyFillMode = 0x0106,
  kSetStretchBltMode = 0x0107,
  kRestoreDc = 0x0127,
  kSelectClipRegion = 0x012C,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kDibCreatePatternBrush = 0x0142,
  kDeleteObject = 0x01F0,
  kCreatePatternBrush = 0x01F9,
  kSetBkColor = 0x0201,
  kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSetViewportOrg = 0x020D,
  kSetViewportExt = 0x020E,
  kOffsetWindowOrg = 0x020F,
  kOffsetViewportOrg = 0x0211,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kOffsetClipRgn = 0x0220,
  kSelectPalette = 0x0234,
  kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kScaleWindowExt = 0x0410,
  kScaleViewportExt = 0x0412,
  kExcludeClipRect = 0x0415,
  kIntersectClipRect = 0x0416,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kSetPixel = 0x041F,
  kTextOut = 0x0521,
  kPolyPolygon = 0x0538,
  kRoundRect = 0x061C,
  kPatBlt = 0x061D,
  kCreateRegion = 0x06FF,
  kArc = 0x0817,
  kPie = 0x081A,
  kChord = 0x0830,
  kExtTextOut = 0x0A32,
  kDibBitBlt = 0x0940,
  kDibStretchBlt = 0x0B41,
  kStretchDib = 0x0F43,
};

constexpr int kPlaceableSize = 22;
constexpr int kHeaderSize = 18;
constexpr double kScreenDpi = 96;

// Parameters come last-argument-first: a point is y then x.
QPointF ReadYX(TMetafileRecordReader& in) {
  const double y = in.I16();
  return QPointF(in.I16(), y);
}

// bottom, right, top, left
QRectF ReadBox(TMetafileRecordReader& in) {
  const double bottom = in.I16();
  const double right = in.I16();
  const double top = in.I16();
  const double left = in.I16();
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPolygonF ReadPoints(TMetafileRecordReader& in, int count) {
  QPolygonF points;
  points.reserve(count);
  for (int i = 0; i < count; ++i) {
    const double x = in.I16();
    points.append(QPointF(x, in.I16()));
  }
  return points;
}

QString AnsiText(QByteArrayView bytes) {
  return QString::fromStdString(AnsiToUtf8(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size()))));
}

// The first window origin and extent the records set, for a file without a
// placeable header.
void FindWindow(QByteArrayView bytes, qsizetype from, TWmfHeader& header) {
  bool haveOrg = false;
  bool haveExt = false;
  qsizetype pos = from;
  while (!(haveOrg && haveExt)) {
    TMetafileRecordReader in(bytes, pos);
    const qint64 words = in.U32();
    const int function = in.U16();
    if (!in.Ok() || words < 3 || words > in.Remaining() / 2 + 3 || function == kEof) return;
    if (function == kSetWindowOrg && !haveOrg) {
      header.windowOrg = ReadYX(in);
      haveOrg = in.Ok();
    } else if (function == kSetWindowExt && !haveExt) {
      const QPointF ext = ReadYX(in);
      haveExt = in.Ok() && ext.x() != 0 && ext.y() != 0;
      if (haveExt) header.windowExt = QSizeF(ext.x(), ext.y());
    }
    pos += static_cast<qsizetype>(words) * 2;
  }
}

}  // namespace

std::optional<TWmfHeader> TWmfPlayer::ReadHeader(QByteArrayView bytes) {
  TWmfHeader header;
  TMetafileRecordReader in(bytes);
  if (in.U32() == TWmfHeader::kPlaceableKey) {
    header.placeable = true;
    in.U16();  // handle
    const int left = in.I16();
    const int top = in.I16();
    const int right = in.I16();
    const int bottom = in.I16();
    const int unitsPerInch = in.U16();
    if (!in.Ok()) return std::nullopt;
    if (unitsPerInch > 0 && right != left && bottom != top) {
      header.windowOrg = QPointF(left, top);
      header.windowExt = QSizeF(right - left, bottom - top);
      header.naturalSize = QSize(static_cast<int>(std::lround(std::abs(right - left) * kScreenDpi / unitsPerInch)),
                                 static_cast<int>(std::lround(std::abs(bottom - top) * kScreenDpi / unitsPerInch)));
    }
    in.Seek(kPlaceableSize);
  } else {
    in.Seek(0);
  }
  const qsizetype start = in.Pos();
  const int type = in.U16();
  const int headerWords = in.U16();
  in.U16();  // version
  in.U32();  // size in words
  header.objectCount = in.U16();
  in.U32();  // largest record
  in.U16();  // unused
  if (!in.Ok() || (type != 1 && type != 2) || headerWords != kHeaderSize / 2) return std::nullopt;
  header.firstRecord = start + kHeaderSize;
  if (header.naturalSize.isEmpty()) {
    header.windowExt = QSizeF(0, 0);
    FindWindow(bytes, header.firstRecord, header);
    if (header.windowExt.width() != 0 && header.windowExt.height() != 0)
      header.naturalSize = QSize(static_cast<int>(std::lround(std::abs(header.windowExt.width()))),
                                 static_cast<int>(std::lround(std::abs(header.windowExt.height()))));
  }
  return header;
}

void TWmfPlayer::Play(QByteArrayView bytes, const TWmfHeader& header, QPainter& painter, const QRectF& target) {
  // The reference device is the picture at its natural size, 96 pixels an
  // inch; the window the file sets up maps onto it, and it onto the target.
  const QSize natural = header.naturalSize;
  const bool sized = natural.width() > 0 && natural.height() > 0;
  TDeviceState initial;
  initial.mapping = TPageMapping(QSizeF(kScreenDpi / 25.4, kScreenDpi / 25.4));
  initial.mapping.SetMode(TPageMapping::Anisotropic);
  const bool haveWindow = header.windowExt.width() != 0 && header.windowExt.height() != 0;
  if (haveWindow) {
    initial.mapping.SetWindowOrg(header.windowOrg);
    initial.mapping.SetWindowExt(header.windowExt);
    initial.mapping.SetViewportExt(sized ? QSizeF(natural) : QSizeF(std::abs(header.windowExt.width()),
                                                                   std::abs(header.windowExt.height())));
  }
  QTransform deviceToTarget = QTransform::fromTranslate(target.x(), target.y());
  if (sized)
    deviceToTarget = QTransform(target.width() / natural.width(), 0, 0, target.height() / natural.height(),
                                target.x(), target.y());

  TMetafileCanvas canvas(painter, deviceToTarget, std::move(initial));
  TGdiObjectTable objects(header.objectCount);
  TWmfPlayer player(canvas, objects);
  qsizetype pos = header.firstRecord;
  while (pos < bytes.size()) {
    TMetafileRecordReader record(bytes, pos);
    const qint64 words = record.U32();
    const int function = record.U16();
    if (!record.Ok() || words < 3 || words > record.Remaining() / 2 + 3 || function == kEof) return;
    TMetafileRecordReader params(bytes.sliced(pos + 6, static_cast<qsizetype>(words - 3) * 2));
    if (function == kDibBitBlt || function == kDibStretchBlt || function == kStretchDib) {
      if (!player.PlayBitmap(function, params, static_cast<qsizetype>(words))) return;
    } else if (!player.PlayRecord(function, params)) {
      return;
    }
    pos += static_cast<qsizetype>(words) * 2;
  }
}

bool TWmfPlayer::PlayRecord(int function, TMetafileRecordReader& in) {
  switch (function) {
    case kCreatePalette: case kCreateRegion: case kCreatePenIndirect: case kCreateFontIndirect:
    case kCreateBrushIndirect: case kCreatePatternBrush: case kDibCreatePatternBrush: case kSelectObject:
    case kDeleteObject: case kSelectPalette:
      return PlayObject(function, in);
    case kTextOut: case kExtTextOut:
      return PlayText(function, in);
    case kLineTo: case kMoveTo: case kPolygon: case kPolyline: case kPolyPolygon: case kEllipse: case kRectangle:
    case kRoundRect: case kArc: case kPie: case kChord: case kSetPixel: case kPatBlt:
      return PlayDrawing(function, in);
    default:
      return PlayState(function, in);
  }
}

bool TWmfPlayer::PlayState(int function, TMetafileRecordReader& in) {
  TDeviceState& state = canvas_.State();
  switch (function) {
    case kSaveDc: canvas_.SaveDC(); return true;
    case kRestoreDc: {
      const int which = in.I16();
      if (in.Ok()) canvas_.RestoreDC(which);
      return in.Ok();
    }
    case kSetBkMode: state.backgroundMode = in.U16(); break;
    case kSetMapMode: {
      const int mode = in.U16();
      if (in.Ok()) state.mapping.SetMode(mode);
      break;
    }
    case kSetPolyFillMode: state.fillMode = in.U16(); break;
    case kSetStretchBltMode: state.stretchMode = in.U16(); break;
    case kSetTextAlign: state.textAlign = in.U16(); break;
    case kSetBkColor: state.backgroundColour = ColourFromRef(in.U32()); break;
    case kSetTextColor: state.textColour = ColourFromRef(in.U32()); break;
    case kSetWindowOrg: {
      const QPointF org = ReadYX(in);
      if (in.Ok()) state.mapping.SetWindowOrg(org);
      break;
    }
    case kSetWindowExt: {
      const QPointF ext = ReadYX(in);
      if (in.Ok()) state.mapping.SetWindowExt(QSizeF(ext.x(), ext.y()));
      break;
    }
    case kSetViewportOrg: {
      const QPointF org = ReadYX(in);
      if (in.Ok()) state.mapping.SetViewportOrg(org);
      break;
    }
    case kSetViewportExt: {
      const QPointF ext = ReadYX(in);
      if (in.Ok()) state.mapping.SetViewportExt(QSizeF(ext.x(), ext.y()));
      break;
    }
    case kOffsetWindowOrg: {
      const QPointF by = ReadYX(in);
      if (in.Ok()) state.mapping.OffsetWindowOrg(by);
      break;
    }
    case kOffsetViewportOrg: {
      const QPointF by = ReadYX(in);
      if (in.Ok()) state.mapping.OffsetViewportOrg(by);
      break;
    }
    case kScaleWindowExt:
    case kScaleViewportExt: {
      const double yDenom = in.I16();
      const double yNum = in.I16();
      const double xDenom = in.I16();
      const double xNum = in.I16();
      if (!in.Ok()) break;
      if (function == kScaleWindowExt)
        state.mapping.ScaleWindowExt(xNum, xDenom, yNum, yDenom);
      else
        state.mapping.ScaleViewportExt(xNum, xDenom, yNum, yDenom);
      break;
    }
    case kIntersectClipRect:
    case kExcludeClipRect: {
      const QRectF box = ReadBox(in);
      if (!in.Ok()) break;
      if (function == kIntersectClipRect)
        canvas_.IntersectClipRect(box);
      else
        canvas_.ExcludeClipRect(box);
      break;
    }
    case kOffsetClipRgn: {
      const QPointF by = ReadYX(in);
      if (in.Ok()) canvas_.OffsetClip(by);
      break;
    }
    case kSelectClipRegion:
      // Region objects are kept only as placeholders, so selecting any
      // region (the null one included) opens the clip again.
      canvas_.ResetClip();
      break;
    default:
      return true;  // records the player does not draw
  }
  return in.Ok();
}

bool TWmfPlayer::PlayDrawing(int function, TMetafileRecordReader& in) {
  switch (function) {
    case kLineTo:
    case kMoveTo: {
      const QPointF to = ReadYX(in);
      if (!in.Ok()) return false;
      if (function == kLineTo)
        canvas_.LineTo(to);
      else
        canvas_.MoveTo(to);
      return true;
    }
    case kPolygon:
    case kPolyline: {
      const int count = in.I16();
      if (!in.Ok() || !in.Holds(count, 4)) return false;
      const QPolygonF points = ReadPoints(in, count);
      if (function == kPolygon)
        canvas_.Polygon(points);
      else
        canvas_.Polyline(points);
      return true;
    }
    case kPolyPolygon: {
      const int polygons = in.U16();
      if (!in.Ok() || !in.Holds(polygons, 2)) return false;
      std::vector<int> counts(static_cast<std::size_t>(polygons));
      qint64 total = 0;
      for (int& count : counts) total += count = in.U16();
      if (!in.Holds(total, 4)) return false;
      std::vector<QPolygonF> shapes;
      shapes.reserve(counts.size());
      for (int count : counts) shapes.push_back(ReadPoints(in, count));
      canvas_.PolyPolygon(shapes);
      return true;
    }
    case kEllipse:
    case kRectangle: {
      const QRectF box = ReadBox(in);
      if (!in.Ok()) return false;
      if (function == kEllipse)
        canvas_.Ellipse(box);
      else
        canvas_.Rectangle(box);
      return true;
    }
    case kRoundRect: {
      const double height = in.I16();
      const double width = in.I16();
      const QRectF box = ReadBox(in);
      if (!in.Ok()) return false;
      canvas_.RoundRect(box, QSizeF(width, height));
      return true;
    }
    case kArc:
    case kPie:
    case kChord: {
      const QPointF end = ReadYX(in);
      const QPointF start = ReadYX(in);
      const QRectF box = ReadBox(in);
      if (!in.Ok()) return false;
      const auto kind = function == kArc   ? TMetafileCanvas::ArcKind::Arc
                        : function == kPie ? TMetafileCanvas::ArcKind::Pie
                                           : TMetafileCanvas::ArcKind::Chord;
      canvas_.Arc(kind, box, start, end);
      return true;
    }
    case kSetPixel: {
      const quint32 colour = in.U32();
      const QPointF at = ReadYX(in);
      if (!in.Ok()) return false;
      canvas_.SetPixel(at, ColourFromRef(colour));
      return true;
    }
    case kPatBlt: {
      const quint32 rop = in.U32();
      const double height = in.I16();
      const double width = in.I16();
      const QPointF at = ReadYX(in);
      if (!in.Ok()) return false;
      canvas_.PatternBlit(QRectF(at.x(), at.y(), width, height), rop);
      return true;
    }
    default:
      return true;
  }
}

bool TWmfPlayer::PlayObject(int function, TMetafileRecordReader& in) {
  TDeviceState& state = canvas_.State();
  switch (function) {
    case kSelectObject: {
      const int index = in.U16();
      if (!in.Ok() || !objects_.Holds(index)) return false;
      if (const TGdiObject* object = objects_.Get(index)) {
        if (const auto* pen = std::get_if<TGdiPen>(object)) state.pen = *pen;
        if (const auto* brush = std::get_if<TGdiBrush>(object)) state.brush = *brush;
        if (const auto* font = std::get_if<TGdiFont>(object)) state.font = *font;
      }
      return true;
    }
    case kSelectPalette:
    case kDeleteObject: {
      const int index = in.U16();
      if (!in.Ok() || !objects_.Holds(index)) return false;
      if (function == kDeleteObject) objects_.Remove(index);
      return true;
    }
    default:
      break;
  }

  TGdiObject made = TGdiPlaceholder{};
  switch (function) {
    case kCreatePenIndirect: {
      TGdiPen pen;
      const int style = in.U16();
      pen.width = std::max<int>(in.I16(), 0);
      in.I16();
      pen.colour = ColourFromRef(in.U32());
      pen.style = style & 0x0F;
      pen.cap = style & 0x0F00;
      pen.join = style & 0xF000;
      made = pen;
      break;
    }
    case kCreateBrushIndirect: {
      const int style = in.U16();
      const QColor colour = ColourFromRef(in.U32());
      const int hatch = in.U16();
      TGdiBrush brush;
      brush.colour = colour;
      if (style == 1)
        brush.kind = TGdiBrush::Null;
      else if (style == 2)
        brush = HatchedBrush(hatch, colour);
      made = brush;
      break;
    }
    case kDibCreatePatternBrush: {
      const int style = in.U16();
      const int usage = in.U16();
      TGdiBrush brush;
      brush.colour = Qt::gray;
      if (style != 3) {
        // Style 3 holds an old device-dependent bitmap: a grey stands for it.
        brush.pattern = ReadPackedDib(in.Bytes(in.Remaining()),
                                      usage == 1 ? DibColourTable::PaletteIndices : DibColourTable::Colours);
      }
      if (!brush.pattern.isNull()) brush.kind = TGdiBrush::Pattern;
      made = brush;
      break;
    }
    case kCreatePatternBrush: {
      TGdiBrush brush;
      brush.colour = Qt::gray;
      made = brush;
      break;
    }
    case kCreateFontIndirect: {
      TGdiFont font;
      ReadFontFields(in, font, [&in] { return in.I16(); });
      if (!in.Ok()) return false;
      QByteArrayView face = in.Bytes(std::min<qsizetype>(in.Remaining(), 32));
      const qsizetype end = face.indexOf('\0');
      if (end >= 0) face = face.first(end);
      font.face = AnsiText(face);
      made = font;
      break;
    }
    default:  // palettes and regions
      break;
  }
  if (!in.Ok()) return false;
  return objects_.Add(std::move(made)) >= 0;
}

bool TWmfPlayer::PlayText(int function, TMetafileRecordReader& in) {
  TTextRun run;
  if (function == kTextOut) {
    const int count = in.I16();
    if (!in.Ok() || count < 0 || !in.Holds(count, 1)) return false;
    run.text = AnsiText(in.Bytes(count));
    in.Skip(count % 2);
    run.reference = ReadYX(in);
    if (!in.Ok()) return false;
  } else {
    run.reference = ReadYX(in);
    const int count = in.I16();
    run.options = in.U16();
    if (!in.Ok() || count < 0) return false;
    if ((run.options & (TTextRun::Opaque | TTextRun::Clipped)) != 0) {
      const double left = in.I16();
      const double top = in.I16();
      const double right = in.I16();
      const double bottom = in.I16();
      run.rect = QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    if (!in.Ok() || !in.Holds(count, 1)) return false;
    run.text = AnsiText(in.Bytes(count));
    in.Skip(std::min<qsizetype>(count % 2, in.Remaining()));
    if (in.Holds(count, 2)) {
      run.advances.reserve(static_cast<std::size_t>(count));
      for (int i = 0; i < count; ++i) run.advances.push_back(in.I16());
    }
    if (!in.Ok()) return false;
  }
  canvas_.TextOut(std::move(run));
  return true;
}

bool TWmfPlayer::PlayBitmap(int function, TMetafileRecordReader& in, qsizetype recordWords) {
  // A blit without a bitmap is only the record header and the parameter
  // words the high byte of its function number counts, a reserved word
  // among them.
  const bool withoutBitmap = function != kStretchDib && recordWords == ((function >> 8) + 3);
  const quint32 rop = in.U32();
  DibColourTable table = DibColourTable::Colours;
  double srcHeight = 0;
  double srcWidth = 0;
  if (function == kStretchDib) {
    if (in.U16() == 1) table = DibColourTable::PaletteIndices;
  }
  if (function != kDibBitBlt) {
    srcHeight = in.I16();
    srcWidth = in.I16();
  }
  const double ySrc = in.I16();
  const double xSrc = in.I16();
  if (withoutBitmap) in.I16();
  double destHeight = in.I16();
  double destWidth = in.I16();
  const QPointF at = ReadYX(in);
  if (!in.Ok()) return false;
  if (function == kDibBitBlt) {
    srcHeight = destHeight;
    srcWidth = destWidth;
  }
  const QRectF dest(at.x(), at.y(), destWidth, destHeight);
  if (withoutBitmap) {
    canvas_.PatternBlit(dest, rop);
    return true;
  }
  const QByteArrayView dib = in.Bytes(in.Remaining());
  const QImage image = ReadPackedDib(dib, table);
  if (image.isNull()) return true;  // a compressed or broken bitmap is left out
  double top = ySrc;
  if (function == kStretchDib && DibRowsBottomUp(dib)) top = image.height() - ySrc - srcHeight;
  canvas_.DrawBitmap(image, QRectF(xSrc, top, srcWidth, srcHeight), dest, rop);
  return true;
}

}  // namespace orv
