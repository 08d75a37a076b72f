#include "imaging/metafile/EmfPlayer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>

#include "base/Ansi.h"
#include "imaging/metafile/DibImage.h"
#include "imaging/metafile/GdiObjectTable.h"
#include "imaging/metafile/MetafileCanvas.h"
#include "imaging/metafile/MetafileRecordReader.h"

namespace orv {

namespace {

enum Type : quint32 {
  kHeader = 1, kPolyBezier = 2, kPolygon = 3, kPolyline = 4, kPolyBezierTo = 5, kPolylineTo = 6,
  kPolyPolyline = 7, kPolyPolygon = 8, kSetWindowExtEx = 9, kSetWindowOrgEx = 10, kSetViewportExtEx = 11,
  kSetViewportOrgEx = 12, kEof = 14, kSetPixelV = 15, kSetMapMode = 17, kSetBkMode = 18,
  kSetPolyFillMode = 19, kSetStretchBltMode = 21, kSetTextAlign = 22, kSetTextColor = 24, kSetBkColor = 25,
  kOffsetClipRgn = 26, kMoveToEx = 27, kExcludeClipRect = 29, kIntersectClipRect = 30,
  kScaleViewportExtEx = 31, kScaleWindowExtEx = 32, kSaveDc = 33, kRestoreDc = 34, kSetWorldTransform = 35,
  kModifyWorldTransform = 36, kSelectObject = 37, kCreatePen = 38, kCreateBrushIndirect = 39,
  kDeleteObject = 40, kAngleArc = 41, kEllipse = 42, kRectangle = 43, kRoundRect = 44, kArc = 45, kChord = 46,
  kPie = 47, kSelectPalette = 48, kCreatePalette = 49, kLineTo = 54, kArcTo = 55, kPolyDraw = 56,
  kSetArcDirection = 57, kSetMiterLimit = 58, kBeginPath = 59, kEndPath = 60, kCloseFigure = 61,
  kFillPath = 62, kStrokeAndFillPath = 63, kStrokePath = 64, kSelectClipPath = 67, kAbortPath = 68,
  kExtSelectClipRgn = 75, kBitBlt = 76, kStretchBlt = 77, kStretchDiBits = 81, kExtCreateFontIndirectW = 82,
  kExtTextOutA = 83, kExtTextOutW = 84, kPolyBezier16 = 85, kPolygon16 = 86, kPolyline16 = 87,
  kPolyBezierTo16 = 88, kPolylineTo16 = 89, kPolyPolyline16 = 90, kPolyPolygon16 = 91, kPolyDraw16 = 92,
  kCreateMonoBrush = 93, kCreateDibPatternBrushPt = 94, kExtCreatePen = 95, kAlphaBlend = 114,
};

constexpr qsizetype kRecordHeader = 8;
constexpr qsizetype kSmallestHeader = 88;
constexpr qsizetype kBoundsSize = 16;
constexpr double kScreenDpi = 96;
constexpr quint32 kStockFlag = 0x80000000;
// Ticks and colours of a dashed pen; the system allows no more.
constexpr quint32 kMostDashEntries = 16;
// A reference device outside these resolutions is taken for garbage and
// replaced by a screen's.
constexpr double kFewestPixelsPerMm = 0.1;
constexpr double kMostPixelsPerMm = 10000;
// Transform elements beyond this are taken for garbage.
constexpr double kLargestTransformElement = 1e7;

// A size in pixels, kept within what an int holds.
int Pixels(double size) { return static_cast<int>(std::lround(std::clamp(size, 0.0, 1e9))); }

QPointF ReadPointL(TMetafileRecordReader& in) {
  const double x = in.I32();
  return QPointF(x, in.I32());
}

QPointF ReadPointS(TMetafileRecordReader& in) {
  const double x = in.I16();
  return QPointF(x, in.I16());
}

QRectF ReadRectL(TMetafileRecordReader& in) {
  const double left = in.I32();
  const double top = in.I32();
  const double right = in.I32();
  const double bottom = in.I32();
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPolygonF ReadPoints(TMetafileRecordReader& in, qint64 count, bool small) {
  QPolygonF points;
  points.reserve(static_cast<qsizetype>(count));
  for (qint64 i = 0; i < count; ++i) points.append(small ? ReadPointS(in) : ReadPointL(in));
  return points;
}

bool SmallPoints(quint32 type) { return type >= kPolyBezier16 && type <= kPolyDraw16; }

std::optional<QTransform> ReadTransform(TMetafileRecordReader& in) {
  double m[6];
  for (double& v : m) v = in.F32();
  for (double v : m)
    if (!std::isfinite(v) || std::abs(v) > kLargestTransformElement) return std::nullopt;
  return QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
}

// The bytes at `offset`, `size` long, inside the record; none when they
// reach outside it.
std::optional<QByteArrayView> Part(const TMetafileRecordReader& in, quint32 offset, quint32 size) {
  if (offset > static_cast<quint64>(in.Size()) || size > static_cast<quint64>(in.Size()) - offset)
    return std::nullopt;
  return in.Data().sliced(offset, size);
}

// The bitmap of a blit or brush record. Present but unreadable (compressed,
// say) gives a null image; reaching outside the record gives none.
std::optional<QImage> RecordDib(const TMetafileRecordReader& in, quint32 offInfo, quint32 sizeInfo, quint32 offBits,
                                quint32 sizeBits, quint32 usage, DibAlpha alpha = DibAlpha::Ignored) {
  const auto info = Part(in, offInfo, sizeInfo);
  const auto bits = Part(in, offBits, sizeBits);
  if (!info || !bits) return std::nullopt;
  return ReadDib(*info, *bits, usage == 1 ? DibColourTable::PaletteIndices : DibColourTable::Colours, alpha);
}

}  // namespace

std::optional<TEmfHeader> TEmfPlayer::ReadHeader(QByteArrayView bytes) {
  TMetafileRecordReader in(bytes);
  const quint32 type = in.U32();
  const quint32 size = in.U32();
  const QRectF bounds = ReadRectL(in);
  const QRectF frame = ReadRectL(in);
  const quint32 signature = in.U32();
  in.Skip(12);  // version, bytes, records
  TEmfHeader header;
  header.handles = in.U16();
  in.Skip(14);  // reserved, description, palette entries
  const double devicePixelsX = in.I32();
  const double devicePixelsY = in.I32();
  const double deviceMmX = in.I32();
  const double deviceMmY = in.I32();
  if (!in.Ok() || type != kHeader || signature != TEmfHeader::kSignature || size < kSmallestHeader ||
      size > static_cast<quint64>(bytes.size()))
    return std::nullopt;
  header.pixelsPerMm = QSizeF(kScreenDpi / 25.4, kScreenDpi / 25.4);
  if (devicePixelsX > 0 && devicePixelsY > 0 && deviceMmX > 0 && deviceMmY > 0) {
    const QSizeF named(devicePixelsX / deviceMmX, devicePixelsY / deviceMmY);
    if (std::min(named.width(), named.height()) >= kFewestPixelsPerMm &&
        std::max(named.width(), named.height()) <= kMostPixelsPerMm)
      header.pixelsPerMm = named;
  }

  const double ppmX = header.pixelsPerMm.width();
  const double ppmY = header.pixelsPerMm.height();
  if (frame.right() > frame.left() && frame.bottom() > frame.top()) {
    header.shown = QRectF(frame.left() * ppmX / 100, frame.top() * ppmY / 100, frame.width() * ppmX / 100,
                          frame.height() * ppmY / 100);
    header.naturalSize = QSize(Pixels(frame.width() * kScreenDpi / 2540), Pixels(frame.height() * kScreenDpi / 2540));
  } else if (bounds.right() >= bounds.left() && bounds.bottom() >= bounds.top()) {
    header.shown = QRectF(bounds.left(), bounds.top(), bounds.width() + 1, bounds.height() + 1);
    header.naturalSize = QSize(Pixels(header.shown.width() * kScreenDpi / 25.4 / ppmX),
                               Pixels(header.shown.height() * kScreenDpi / 25.4 / ppmY));
  }
  return header;
}

void TEmfPlayer::Play(QByteArrayView bytes, const TEmfHeader& header, QPainter& painter, const QRectF& target) {
  TDeviceState initial;
  initial.mapping = TPageMapping(header.pixelsPerMm);
  QTransform deviceToTarget = QTransform::fromTranslate(target.x(), target.y());
  if (header.shown.width() > 0 && header.shown.height() > 0) {
    const double sx = target.width() / header.shown.width();
    const double sy = target.height() / header.shown.height();
    deviceToTarget = QTransform(sx, 0, 0, sy, target.x() - header.shown.x() * sx, target.y() - header.shown.y() * sy);
  }
  TMetafileCanvas canvas(painter, deviceToTarget, std::move(initial));
  // Slot 0 stands for the picture itself; a table always has it.
  TGdiObjectTable objects(std::max(header.handles, 1));
  TEmfPlayer player(canvas, objects);
  qsizetype pos = 0;
  while (pos + kRecordHeader <= bytes.size()) {
    TMetafileRecordReader head(bytes, pos);
    const quint32 type = head.U32();
    const quint32 size = head.U32();
    if (size < kRecordHeader || size > static_cast<quint64>(bytes.size() - pos) || type == kEof) return;
    TMetafileRecordReader record(bytes.sliced(pos, size), kRecordHeader);
    if (!player.PlayRecord(type, record)) return;
    pos += size;
  }
}

bool TEmfPlayer::PlayRecord(quint32 type, TMetafileRecordReader& in) {
  switch (type) {
    case kPolyBezier: case kPolygon: case kPolyline: case kPolyBezierTo: case kPolylineTo: case kPolyPolyline:
    case kPolyPolygon: case kPolyDraw: case kPolyBezier16: case kPolygon16: case kPolyline16:
    case kPolyBezierTo16: case kPolylineTo16: case kPolyPolyline16: case kPolyPolygon16: case kPolyDraw16:
      return PlayPoly(type, in);
    case kSetPixelV: case kMoveToEx: case kLineTo: case kAngleArc: case kEllipse: case kRectangle:
    case kRoundRect: case kArc: case kChord: case kPie: case kArcTo:
      return PlayShape(type, in);
    case kBeginPath: case kEndPath: case kCloseFigure: case kFillPath: case kStrokeAndFillPath:
    case kStrokePath: case kSelectClipPath: case kAbortPath:
      return PlayPath(type, in);
    case kSelectObject: case kCreatePen: case kCreateBrushIndirect: case kDeleteObject: case kSelectPalette:
    case kCreatePalette: case kExtCreateFontIndirectW: case kCreateMonoBrush: case kCreateDibPatternBrushPt:
    case kExtCreatePen:
      return PlayObject(type, in);
    case kExtTextOutA: case kExtTextOutW:
      return PlayText(type, in);
    case kBitBlt: case kStretchBlt: case kStretchDiBits: case kAlphaBlend:
      return PlayBitmap(type, in);
    default:
      return PlayState(type, in);
  }
}

bool TEmfPlayer::PlayState(quint32 type, TMetafileRecordReader& in) {
  TDeviceState& state = canvas_.State();
  switch (type) {
    case kSetWindowExtEx:
    case kSetViewportExtEx: {
      const QPointF ext = ReadPointL(in);
      if (!in.Ok()) return false;
      if (type == kSetWindowExtEx)
        state.mapping.SetWindowExt(QSizeF(ext.x(), ext.y()));
      else
        state.mapping.SetViewportExt(QSizeF(ext.x(), ext.y()));
      return true;
    }
    case kSetWindowOrgEx:
    case kSetViewportOrgEx: {
      const QPointF org = ReadPointL(in);
      if (!in.Ok()) return false;
      if (type == kSetWindowOrgEx)
        state.mapping.SetWindowOrg(org);
      else
        state.mapping.SetViewportOrg(org);
      return true;
    }
    case kScaleViewportExtEx:
    case kScaleWindowExtEx: {
      const double xNum = in.I32();
      const double xDenom = in.I32();
      const double yNum = in.I32();
      const double yDenom = in.I32();
      if (!in.Ok()) return false;
      if (type == kScaleWindowExtEx)
        state.mapping.ScaleWindowExt(xNum, xDenom, yNum, yDenom);
      else
        state.mapping.ScaleViewportExt(xNum, xDenom, yNum, yDenom);
      return true;
    }
    case kSetMapMode: {
      const quint32 mode = in.U32();
      if (in.Ok() && mode <= TPageMapping::Anisotropic) state.mapping.SetMode(static_cast<int>(mode));
      break;
    }
    case kSetBkMode: state.backgroundMode = static_cast<int>(in.U32()); break;
    case kSetPolyFillMode: state.fillMode = static_cast<int>(in.U32()); break;
    case kSetStretchBltMode: state.stretchMode = static_cast<int>(in.U32()); break;
    case kSetTextAlign: state.textAlign = static_cast<int>(in.U32()); break;
    case kSetTextColor: state.textColour = ColourFromRef(in.U32()); break;
    case kSetBkColor: state.backgroundColour = ColourFromRef(in.U32()); break;
    case kSetArcDirection: state.arcDirection = static_cast<int>(in.U32()); break;
    case kSetMiterLimit: {
      const quint32 raw = in.U32();
      if (in.Ok() && raw >= 1 && raw <= 1000) state.miterLimit = raw;
      break;
    }
    case kOffsetClipRgn: {
      const QPointF by = ReadPointL(in);
      if (in.Ok()) canvas_.OffsetClip(by);
      break;
    }
    case kExcludeClipRect:
    case kIntersectClipRect: {
      const QRectF box = ReadRectL(in);
      if (!in.Ok()) return false;
      if (type == kIntersectClipRect)
        canvas_.IntersectClipRect(box);
      else
        canvas_.ExcludeClipRect(box);
      return true;
    }
    case kExtSelectClipRgn: {
      const quint32 dataSize = in.U32();
      const int mode = static_cast<int>(in.U32());
      if (!in.Ok()) return false;
      QPainterPath region;
      if (dataSize >= 32) {
        in.Skip(8);  // header size, type
        const quint32 count = in.U32();
        in.Skip(20);  // region size, bounds
        if (!in.Ok() || !in.Holds(count, 16)) return false;
        region.setFillRule(Qt::WindingFill);
        for (quint32 i = 0; i < count; ++i) region.addRect(ReadRectL(in));
      }
      canvas_.CombineClip(region, mode);
      break;
    }
    case kSaveDc: canvas_.SaveDC(); return true;
    case kRestoreDc: {
      const qint32 which = in.I32();
      if (in.Ok()) canvas_.RestoreDC(which);
      break;
    }
    case kSetWorldTransform: {
      const auto transform = ReadTransform(in);
      if (!in.Ok()) return false;
      if (transform) state.world = *transform;
      return true;
    }
    case kModifyWorldTransform: {
      const auto transform = ReadTransform(in);
      const quint32 mode = in.U32();
      if (!in.Ok()) return false;
      if (mode == 1) {
        state.world = QTransform();
      } else if (transform) {
        if (mode == 2) state.world = *transform * state.world;
        if (mode == 3) state.world = state.world * *transform;
        if (mode == 4) state.world = *transform;
      }
      return true;
    }
    default:
      return true;  // records the player does not draw, comments among them
  }
  return in.Ok();
}

bool TEmfPlayer::PlayPoly(quint32 type, TMetafileRecordReader& in) {
  const bool small = SmallPoints(type);
  const int pointSize = small ? 4 : 8;
  in.Skip(kBoundsSize);
  if (type == kPolyPolyline || type == kPolyPolygon || type == kPolyPolyline16 || type == kPolyPolygon16) {
    const quint32 polys = in.U32();
    const quint32 total = in.U32();
    if (!in.Ok() || !in.Holds(polys, 4)) return false;
    std::vector<quint32> counts(polys);
    quint64 sum = 0;
    for (quint32& count : counts) sum += count = in.U32();
    if (sum != total || !in.Holds(total, pointSize)) return false;
    std::vector<QPolygonF> shapes;
    shapes.reserve(counts.size());
    for (quint32 count : counts) shapes.push_back(ReadPoints(in, count, small));
    if (type == kPolyPolygon || type == kPolyPolygon16)
      canvas_.PolyPolygon(shapes);
    else
      canvas_.PolyPolyline(shapes);
    return true;
  }
  const quint32 count = in.U32();
  if (!in.Ok() || !in.Holds(count, pointSize)) return false;
  const QPolygonF points = ReadPoints(in, count, small);
  switch (type) {
    case kPolyBezier: case kPolyBezier16: canvas_.PolyBezier(points); break;
    case kPolygon: case kPolygon16: canvas_.Polygon(points); break;
    case kPolyline: case kPolyline16: canvas_.Polyline(points); break;
    case kPolyBezierTo: case kPolyBezierTo16: canvas_.PolyBezierTo(points); break;
    case kPolylineTo: case kPolylineTo16: canvas_.PolylineTo(points); break;
    default: {  // PolyDraw: a type byte for every point
      if (!in.Holds(count, 1)) return false;
      const QByteArrayView types = in.Bytes(count);
      canvas_.PolyDraw(points, std::vector<std::uint8_t>(types.begin(), types.end()));
      break;
    }
  }
  return true;
}

bool TEmfPlayer::PlayShape(quint32 type, TMetafileRecordReader& in) {
  switch (type) {
    case kSetPixelV: {
      const QPointF at = ReadPointL(in);
      const quint32 colour = in.U32();
      if (!in.Ok()) return false;
      canvas_.SetPixel(at, ColourFromRef(colour));
      return true;
    }
    case kMoveToEx:
    case kLineTo: {
      const QPointF to = ReadPointL(in);
      if (!in.Ok()) return false;
      if (type == kLineTo)
        canvas_.LineTo(to);
      else
        canvas_.MoveTo(to);
      return true;
    }
    case kAngleArc: {
      const QPointF centre = ReadPointL(in);
      const double radius = in.U32();
      const double start = in.F32();
      const double sweep = in.F32();
      if (!in.Ok()) return false;
      canvas_.AngleArc(centre, radius, start, sweep);
      return true;
    }
    case kEllipse:
    case kRectangle: {
      const QRectF box = ReadRectL(in);
      if (!in.Ok()) return false;
      if (type == kEllipse)
        canvas_.Ellipse(box);
      else
        canvas_.Rectangle(box);
      return true;
    }
    case kRoundRect: {
      const QRectF box = ReadRectL(in);
      const QPointF corner = ReadPointL(in);
      if (!in.Ok()) return false;
      canvas_.RoundRect(box, QSizeF(corner.x(), corner.y()));
      return true;
    }
    default: {  // the arcs
      const QRectF box = ReadRectL(in);
      const QPointF start = ReadPointL(in);
      const QPointF end = ReadPointL(in);
      if (!in.Ok()) return false;
      const auto kind = type == kArc     ? TMetafileCanvas::ArcKind::Arc
                        : type == kChord ? TMetafileCanvas::ArcKind::Chord
                        : type == kPie   ? TMetafileCanvas::ArcKind::Pie
                                         : TMetafileCanvas::ArcKind::ArcTo;
      canvas_.Arc(kind, box, start, end);
      return true;
    }
  }
}

bool TEmfPlayer::PlayPath(quint32 type, TMetafileRecordReader& in) {
  switch (type) {
    case kBeginPath: canvas_.BeginPath(); break;
    case kEndPath: canvas_.EndPath(); break;
    case kCloseFigure: canvas_.CloseFigure(); break;
    case kFillPath: canvas_.FillPath(); break;
    case kStrokeAndFillPath: canvas_.StrokeAndFillPath(); break;
    case kStrokePath: canvas_.StrokePath(); break;
    case kAbortPath: canvas_.AbortPath(); break;
    case kSelectClipPath: {
      const int mode = static_cast<int>(in.U32());
      if (!in.Ok()) return false;
      canvas_.SelectClipPath(mode);
      break;
    }
    default: break;
  }
  return true;
}

bool TEmfPlayer::PlayObject(quint32 type, TMetafileRecordReader& in) {
  const quint32 index = in.U32();
  if (!in.Ok()) return false;
  TDeviceState& state = canvas_.State();
  if (type == kSelectObject || type == kSelectPalette) {
    std::optional<TGdiObject> stock;
    const TGdiObject* object = nullptr;
    if ((index & kStockFlag) != 0) {
      stock = StockObject(index & ~kStockFlag);
      if (stock) object = &*stock;
    } else {
      if (!objects_.Holds(index)) return false;
      object = objects_.Get(index);
    }
    if (object != nullptr && type == kSelectObject) {
      if (const auto* pen = std::get_if<TGdiPen>(object)) state.pen = *pen;
      if (const auto* brush = std::get_if<TGdiBrush>(object)) state.brush = *brush;
      if (const auto* font = std::get_if<TGdiFont>(object)) state.font = *font;
    }
    return true;
  }
  if (type == kDeleteObject) {
    if ((index & kStockFlag) != 0) return true;
    if (!objects_.Holds(index)) return false;
    objects_.Remove(index);
    return true;
  }
  // Creating: slot 0 is the picture's own and never takes an object.
  if (index == 0 || !objects_.Holds(index)) return false;

  TGdiObject made = TGdiPlaceholder{};
  switch (type) {
    case kCreatePen: {
      TGdiPen pen;
      const quint32 style = in.U32();
      pen.width = std::max(in.I32(), 0);
      in.I32();
      pen.colour = ColourFromRef(in.U32());
      pen.style = static_cast<int>(style & 0x0F);
      pen.cap = static_cast<int>(style & 0x0F00);
      pen.join = static_cast<int>(style & 0xF000);
      made = pen;
      break;
    }
    case kExtCreatePen: {
      in.Skip(16);  // the bitmap of a pattern pen, which is drawn in its colour
      const quint32 style = in.U32();
      const quint32 width = in.U32();
      const quint32 brushStyle = in.U32();
      const QColor colour = ColourFromRef(in.U32());
      in.U32();  // hatch
      const quint32 entries = in.U32();
      if (!in.Ok() || !in.Holds(entries, 4)) return false;
      TGdiPen pen;
      pen.geometric = (style & 0xF0000) == 0x10000;
      pen.width = pen.geometric ? std::min<double>(width, 1e7) : 0;
      pen.colour = colour;
      pen.style = brushStyle == 1 ? TGdiPen::Null : static_cast<int>(style & 0x0F);
      pen.cap = static_cast<int>(style & 0x0F00);
      pen.join = static_cast<int>(style & 0xF000);
      if (pen.style == TGdiPen::UserStyle) {
        if (entries > kMostDashEntries) pen.style = TGdiPen::Solid;
        for (quint32 i = 0; i < entries && i < kMostDashEntries; ++i) pen.userDashes.push_back(in.U32());
      }
      made = pen;
      break;
    }
    case kCreateBrushIndirect: {
      const quint32 style = in.U32();
      const QColor colour = ColourFromRef(in.U32());
      const quint32 hatch = in.U32();
      TGdiBrush brush;
      brush.colour = colour;
      if (style == 1)
        brush.kind = TGdiBrush::Null;
      else if (style == 2)
        brush = HatchedBrush(static_cast<int>(hatch), colour);
      made = brush;
      break;
    }
    case kCreateMonoBrush:
    case kCreateDibPatternBrushPt: {
      const quint32 usage = in.U32();
      const quint32 offInfo = in.U32();
      const quint32 sizeInfo = in.U32();
      const quint32 offBits = in.U32();
      const quint32 sizeBits = in.U32();
      if (!in.Ok()) return false;
      const auto pattern = RecordDib(in, offInfo, sizeInfo, offBits, sizeBits, usage);
      if (!pattern) return false;
      TGdiBrush brush;
      brush.colour = Qt::gray;
      if (!pattern->isNull()) {
        brush.kind = TGdiBrush::Pattern;
        brush.pattern = *pattern;
      }
      made = brush;
      break;
    }
    case kExtCreateFontIndirectW: {
      TGdiFont font;
      ReadFontFields(in, font, [&in] { return in.I32(); });
      if (!in.Ok()) return false;
      for (int i = 0; i < 32 && in.Remaining() >= 2; ++i) {
        const char16_t unit = in.U16();
        if (unit == 0) break;
        font.face.append(QChar(unit));
      }
      made = font;
      break;
    }
    default:  // palettes
      break;
  }
  if (!in.Ok()) return false;
  objects_.Put(index, std::move(made));
  return true;
}

bool TEmfPlayer::PlayText(quint32 type, TMetafileRecordReader& in) {
  in.Skip(kBoundsSize);
  in.U32();  // graphics mode
  in.Skip(8);  // scales of the compatible graphics mode
  TTextRun run;
  run.reference = ReadPointL(in);
  const quint32 count = in.U32();
  const quint32 offString = in.U32();
  run.options = static_cast<int>(in.U32());
  constexpr int kNoRect = 0x0100;
  if ((run.options & kNoRect) == 0) {
    const QRectF rect = ReadRectL(in);
    if ((run.options & (TTextRun::Opaque | TTextRun::Clipped)) != 0) run.rect = rect;
  }
  const quint32 offDx = in.U32();
  if (!in.Ok()) return false;
  const quint64 unit = type == kExtTextOutW ? 2 : 1;
  const auto text = Part(in, offString, static_cast<quint32>(std::min<quint64>(quint64(count) * unit, 0xFFFFFFFFu)));
  if (!text) return false;
  if (type == kExtTextOutW) {
    run.text.resize(static_cast<qsizetype>(count));
    TMetafileRecordReader chars(*text);
    for (quint32 i = 0; i < count; ++i) run.text[static_cast<qsizetype>(i)] = QChar(chars.U16());
  } else {
    run.text = QString::fromStdString(
        AnsiToUtf8(std::string_view(text->data(), static_cast<std::size_t>(text->size()))));
  }
  const int stride = (run.options & TTextRun::PairedAdvances) != 0 ? 2 : 1;
  if (offDx != 0) {
    if (const auto dx = Part(in, offDx, static_cast<quint32>(std::min<quint64>(quint64(count) * 4 * stride,
                                                                                0xFFFFFFFFu)))) {
      TMetafileRecordReader advances(*dx);
      run.advances.reserve(count);
      for (quint32 i = 0; i < count; ++i) {
        run.advances.push_back(advances.I32());
        if (stride == 2) advances.I32();
      }
    }
  }
  canvas_.TextOut(std::move(run));
  return true;
}

bool TEmfPlayer::PlayBitmap(quint32 type, TMetafileRecordReader& in) {
  in.Skip(kBoundsSize);
  QRectF dest;
  QRectF source;
  quint32 rop = 0x00CC0020;  // source copy
  quint32 usage = 0;
  quint32 offInfo = 0, sizeInfo = 0, offBits = 0, sizeBits = 0;
  int constantAlpha = 255;
  DibAlpha alpha = DibAlpha::Ignored;
  bool fromBottom = false;
  if (type == kStretchDiBits) {
    const QPointF at = ReadPointL(in);
    const double xSrc = in.I32();
    const double ySrc = in.I32();
    const double cxSrc = in.I32();
    const double cySrc = in.I32();
    offInfo = in.U32();
    sizeInfo = in.U32();
    offBits = in.U32();
    sizeBits = in.U32();
    usage = in.U32();
    rop = in.U32();
    const double cxDest = in.I32();
    const double cyDest = in.I32();
    dest = QRectF(at.x(), at.y(), cxDest, cyDest);
    source = QRectF(xSrc, ySrc, cxSrc, cySrc);
    fromBottom = true;
  } else {
    const QPointF at = ReadPointL(in);
    const double cxDest = in.I32();
    const double cyDest = in.I32();
    if (type == kAlphaBlend) {
      in.U8();  // blend operation: always "over"
      in.U8();
      constantAlpha = in.U8();
      if ((in.U8() & 0x01) != 0) alpha = DibAlpha::Premultiplied;
    } else {
      rop = in.U32();
    }
    const double xSrc = in.I32();
    const double ySrc = in.I32();
    in.Skip(24 + 4);  // the source's transform and background colour
    usage = in.U32();
    offInfo = in.U32();
    sizeInfo = in.U32();
    offBits = in.U32();
    sizeBits = in.U32();
    double cxSrc = cxDest;
    double cySrc = cyDest;
    if (type != kBitBlt) {
      cxSrc = in.I32();
      cySrc = in.I32();
    }
    dest = QRectF(at.x(), at.y(), cxDest, cyDest);
    source = QRectF(xSrc, ySrc, cxSrc, cySrc);
  }
  if (!in.Ok()) return false;
  if (sizeInfo == 0 && type != kStretchDiBits && type != kAlphaBlend) {
    canvas_.PatternBlit(dest, rop);
    return true;
  }
  const auto image = RecordDib(in, offInfo, sizeInfo, offBits, sizeBits, usage, alpha);
  if (!image) return false;
  if (image->isNull()) return true;  // a compressed or broken bitmap is left out
  if (fromBottom && DibRowsBottomUp(*Part(in, offInfo, sizeInfo)))
    source.moveTop(image->height() - source.y() - source.height());
  canvas_.DrawBitmap(*image, source, dest, rop, constantAlpha);
  return true;
}

}  // namespace orv
