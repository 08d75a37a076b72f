#include "imaging/metafile/MetafileCanvas.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "imaging/metafile/BoundedPainting.h"

namespace orv {

namespace {

// More dashes than this along one outline, or dashes whose count times the
// pen's width in pixels passes the second bound, are drawn as a solid line.
constexpr double kMostDashRepeats = 5000;
constexpr double kMostDashedPixels = 200000;
// The widest pen the painter takes, in logical units.
constexpr double kWidestPen = 32767;
// Stands for "everywhere" where a clip must be cut from something.
constexpr double kEverywhere = 1e7;

bool Finite(const QTransform& t) {
  return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) && std::isfinite(t.m22()) &&
         std::isfinite(t.dx()) && std::isfinite(t.dy());
}

double AxisLength(const QTransform& t, double x, double y) {
  return std::hypot(t.m11() * x + t.m21() * y, t.m12() * x + t.m22() * y);
}

Qt::BrushStyle HatchStyle(int hatch) {
  switch (hatch) {
    case TGdiBrush::Vertical: return Qt::VerPattern;
    case TGdiBrush::ForwardDiagonal: return Qt::FDiagPattern;
    case TGdiBrush::BackwardDiagonal: return Qt::BDiagPattern;
    case TGdiBrush::Cross: return Qt::CrossPattern;
    case TGdiBrush::DiagonalCross: return Qt::DiagCrossPattern;
    default: return Qt::HorPattern;
  }
}

// Whether a ternary raster operation reads the source bitmap or the brush.
bool UsesSource(std::uint32_t rop) {
  const unsigned code = (rop >> 16) & 0xFF;
  return ((code >> 2) & 0x33) != (code & 0x33);
}

QPainter::CompositionMode SourceMode(std::uint32_t rop, bool rasterOps, bool& supported) {
  supported = true;
  switch (rop) {
    case 0x00EE0086: return rasterOps ? QPainter::RasterOp_SourceOrDestination : QPainter::CompositionMode_Lighten;
    case 0x008800C6: return rasterOps ? QPainter::RasterOp_SourceAndDestination : QPainter::CompositionMode_Darken;
    case 0x00660046:
      return rasterOps ? QPainter::RasterOp_SourceXorDestination : QPainter::CompositionMode_Difference;
    case 0x00440328:
      supported = rasterOps;
      return QPainter::RasterOp_SourceAndNotDestination;
    case 0x001100A6:
      supported = rasterOps;
      return QPainter::RasterOp_NotSourceAndNotDestination;
    case 0x00BB0226:
      supported = rasterOps;
      return QPainter::RasterOp_NotSourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

}  // namespace

TMetafileCanvas::TMetafileCanvas(QPainter& painter, const QTransform& deviceToTarget, TDeviceState initial)
    : painter_(painter), deviceToPainter_(deviceToTarget * painter.transform()), state_(std::move(initial)) {
  painter_.save();  // the caller's state, restored at the end
  painter_.save();  // the level the device context's clip is set on
  lastClipId_ = appliedClipId_ = state_.clipId;
  if (state_.clip) appliedClipId_ = -1;
}

TMetafileCanvas::~TMetafileCanvas() {
  painter_.restore();
  painter_.restore();
}

void TMetafileCanvas::SaveDC() {
  if (static_cast<int>(saved_.size()) < kDeepestSave) saved_.push_back(state_);
}

void TMetafileCanvas::RestoreDC(int which) {
  const qint64 depth = static_cast<qint64>(saved_.size());
  const qint64 target = which < 0 ? depth + which : static_cast<qint64>(which) - 1;
  if (which == 0 || target < 0 || target >= depth) return;
  state_ = saved_[static_cast<std::size_t>(target)];
  saved_.resize(static_cast<std::size_t>(target));
}

// ---- lines ----

void TMetafileCanvas::ContinueFigure() {
  if (!figureOpen_) {
    path_.moveTo(state_.currentPosition);
    figureOpen_ = true;
  }
}

void TMetafileCanvas::MoveTo(QPointF point) {
  state_.currentPosition = point;
  if (inPath_) {
    path_.moveTo(point);
    figureOpen_ = true;
  }
}

void TMetafileCanvas::LineTo(QPointF point) {
  if (inPath_) {
    ContinueFigure();
    path_.lineTo(point);
  } else {
    QPainterPath line(state_.currentPosition);
    line.lineTo(point);
    Paint(line, false, true);
  }
  state_.currentPosition = point;
}

void TMetafileCanvas::Polyline(const QPolygonF& points) {
  if (points.size() < 2) return;
  if (inPath_) {
    path_.addPolygon(points);
    figureOpen_ = true;
  } else {
    QPainterPath line;
    line.addPolygon(points);
    Paint(line, false, true);
  }
}

void TMetafileCanvas::PolylineTo(const QPolygonF& points) {
  if (points.isEmpty()) return;
  if (inPath_) {
    ContinueFigure();
    for (const QPointF& p : points) path_.lineTo(p);
  } else {
    QPainterPath line(state_.currentPosition);
    for (const QPointF& p : points) line.lineTo(p);
    Paint(line, false, true);
  }
  state_.currentPosition = points.back();
}

void TMetafileCanvas::PolyBezier(const QPolygonF& points) {
  if (points.size() < 4) return;
  QPainterPath curve;
  QPainterPath& into = inPath_ ? path_ : curve;
  into.moveTo(points[0]);
  for (qsizetype i = 1; i + 2 < points.size(); i += 3) into.cubicTo(points[i], points[i + 1], points[i + 2]);
  if (inPath_)
    figureOpen_ = true;
  else
    Paint(curve, false, true);
}

void TMetafileCanvas::PolyBezierTo(const QPolygonF& points) {
  if (points.size() < 3) return;
  const qsizetype end = points.size() - points.size() % 3;
  if (inPath_) {
    ContinueFigure();
    for (qsizetype i = 0; i + 2 < end; i += 3) path_.cubicTo(points[i], points[i + 1], points[i + 2]);
  } else {
    QPainterPath curve(state_.currentPosition);
    for (qsizetype i = 0; i + 2 < end; i += 3) curve.cubicTo(points[i], points[i + 1], points[i + 2]);
    Paint(curve, false, true);
  }
  state_.currentPosition = points[end - 1];
}

void TMetafileCanvas::PolyPolyline(const std::vector<QPolygonF>& lines) {
  QPainterPath all;
  for (const QPolygonF& line : lines)
    if (line.size() >= 2) all.addPolygon(line);
  if (inPath_) {
    path_.addPath(all);
    figureOpen_ = !all.isEmpty();
  } else {
    Paint(all, false, true);
  }
}

void TMetafileCanvas::PolyDraw(const QPolygonF& points, const std::vector<std::uint8_t>& types) {
  QPainterPath drawn(state_.currentPosition);
  QPainterPath& into = inPath_ ? path_ : drawn;
  if (inPath_) ContinueFigure();
  const qsizetype count = std::min<qsizetype>(points.size(), static_cast<qsizetype>(types.size()));
  for (qsizetype i = 0; i < count; ++i) {
    const std::uint8_t type = types[static_cast<std::size_t>(i)];
    switch (type & ~CloseFigureFlag) {
      case MoveToType:
        into.moveTo(points[i]);
        break;
      case LineToType:
        into.lineTo(points[i]);
        break;
      case BezierToType:
        if (i + 2 < count) {
          into.cubicTo(points[i], points[i + 1], points[i + 2]);
          i += 2;
        }
        break;
      default:
        return;  // a point of no known type ends the drawing, as the system's call fails
    }
    state_.currentPosition = points[i];
    if ((type & CloseFigureFlag) != 0) into.closeSubpath();
  }
  if (!inPath_) Paint(drawn, false, true);
}

// ---- closed shapes ----

void TMetafileCanvas::Shape(const QPainterPath& path, bool fill, bool stroke) {
  if (inPath_) {
    path_.addPath(path);
    figureOpen_ = false;
  } else {
    Paint(path, fill, stroke);
  }
}

void TMetafileCanvas::Polygon(const QPolygonF& points) {
  if (points.size() < 2) return;
  QPainterPath shape;
  shape.addPolygon(points);
  shape.closeSubpath();
  Shape(shape, true, true);
}

void TMetafileCanvas::PolyPolygon(const std::vector<QPolygonF>& polygons) {
  QPainterPath shape;
  for (const QPolygonF& polygon : polygons) {
    if (polygon.size() < 2) continue;
    shape.addPolygon(polygon);
    shape.closeSubpath();
  }
  Shape(shape, true, true);
}

QRectF TMetafileCanvas::FrameBox(QRectF box) const {
  box = box.normalized();
  if (state_.pen.style == TGdiPen::InsideFrame && state_.pen.width > 0) {
    const double half = std::min({state_.pen.width / 2, box.width() / 2, box.height() / 2});
    box.adjust(half, half, -half, -half);
  }
  return box;
}

void TMetafileCanvas::Rectangle(QRectF box) {
  QPainterPath shape;
  shape.addRect(FrameBox(box));
  Shape(shape, true, true);
}

void TMetafileCanvas::RoundRect(QRectF box, QSizeF corner) {
  QPainterPath shape;
  shape.addRoundedRect(FrameBox(box), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2, Qt::AbsoluteSize);
  Shape(shape, true, true);
}

void TMetafileCanvas::Ellipse(QRectF box) {
  QPainterPath shape;
  shape.addEllipse(FrameBox(box));
  Shape(shape, true, true);
}

bool TMetafileCanvas::Mirrored() const { return LogicalToPainter().determinant() < 0; }

QPainterPath TMetafileCanvas::ArcPath(ArcKind kind, QRectF box, double startDegrees, double sweepDegrees) const {
  QPainterPath shape;
  if (kind == ArcKind::Pie) {
    shape.moveTo(box.center());
    shape.arcTo(box, startDegrees, sweepDegrees);
    shape.closeSubpath();
  } else {
    shape.arcMoveTo(box, startDegrees);
    shape.arcTo(box, startDegrees, sweepDegrees);
    if (kind == ArcKind::Chord) shape.closeSubpath();
  }
  return shape;
}

void TMetafileCanvas::Arc(ArcKind kind, QRectF box, QPointF start, QPointF end) {
  box = FrameBox(box);
  if (box.width() <= 0 || box.height() <= 0) return;
  const QPointF c = box.center();
  const double rx = box.width() / 2;
  const double ry = box.height() / 2;
  // The painter's angles run counter-clockwise with y down; on a mirrored
  // device they turn the other way, and so does a clockwise arc direction.
  const double a0 = std::atan2(-(start.y() - c.y()) / ry, (start.x() - c.x()) / rx) * 180 / std::numbers::pi;
  const double a1 = std::atan2(-(end.y() - c.y()) / ry, (end.x() - c.x()) / rx) * 180 / std::numbers::pi;
  const bool forward = Mirrored() == (state_.arcDirection == TDeviceState::Clockwise);
  double sweep = forward ? std::fmod(a1 - a0 + 720, 360) : -std::fmod(a0 - a1 + 720, 360);
  if (std::abs(sweep) < 1e-9) sweep = forward ? 360 : -360;  // equal radials close the ellipse

  if (kind == ArcKind::ArcTo) {
    QPainterPath arc(state_.currentPosition);
    arc.arcTo(box, a0, sweep);
    if (inPath_) {
      ContinueFigure();
      path_.arcTo(box, a0, sweep);
    } else {
      Paint(arc, false, true);
    }
    state_.currentPosition = arc.currentPosition();
    return;
  }
  const bool closed = kind != ArcKind::Arc;
  const QPainterPath shape = ArcPath(kind, box, a0, sweep);
  if (inPath_) {
    path_.addPath(shape);
    figureOpen_ = !closed;
  } else {
    Paint(shape, closed, true);
  }
}

void TMetafileCanvas::AngleArc(QPointF centre, double radius, double startDegrees, double sweepDegrees) {
  if (!(radius > 0) || !std::isfinite(startDegrees) || !std::isfinite(sweepDegrees)) return;
  sweepDegrees = std::clamp(sweepDegrees, -3600.0, 3600.0);
  const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  const double direction = Mirrored() ? -1 : 1;
  QPainterPath arc(state_.currentPosition);
  arc.arcTo(box, startDegrees * direction, sweepDegrees * direction);
  if (inPath_) {
    ContinueFigure();
    path_.arcTo(box, startDegrees * direction, sweepDegrees * direction);
  } else {
    Paint(arc, false, true);
  }
  state_.currentPosition = arc.currentPosition();
}

void TMetafileCanvas::SetPixel(QPointF point, QColor colour) {
  const QTransform toPainter = LogicalToPainter();
  if (!Finite(toPainter)) return;
  ApplyClip();
  const QPointF at = toPainter.map(point);
  painter_.setTransform(QTransform());
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1, 1), colour);
}

// ---- paths ----

void TMetafileCanvas::BeginPath() {
  path_ = QPainterPath();
  inPath_ = true;
  figureOpen_ = false;
}

void TMetafileCanvas::AbortPath() {
  path_ = QPainterPath();
  inPath_ = figureOpen_ = false;
}

void TMetafileCanvas::CloseFigure() {
  if (!inPath_) return;
  path_.closeSubpath();
  figureOpen_ = false;
}

void TMetafileCanvas::FillPath() {
  if (inPath_) return;
  Paint(path_, true, false);
  AbortPath();
}

void TMetafileCanvas::StrokePath() {
  if (inPath_) return;
  Paint(path_, false, true);
  AbortPath();
}

void TMetafileCanvas::StrokeAndFillPath() {
  if (inPath_) return;
  Paint(path_, true, true);
  AbortPath();
}

void TMetafileCanvas::SelectClipPath(int mode) {
  if (inPath_) return;
  QPainterPath region = LogicalToDevice().map(path_);
  region.setFillRule(state_.fillMode == TDeviceState::Winding ? Qt::WindingFill : Qt::OddEvenFill);
  CombineClip(region, mode);
  AbortPath();
}

// ---- clipping ----

QPainterPath TMetafileCanvas::DeviceRect(QRectF logical) const {
  QPainterPath rect;
  rect.addPolygon(LogicalToDevice().map(QPolygonF(logical.normalized())));
  rect.closeSubpath();
  return rect;
}

void TMetafileCanvas::SetClip(std::optional<QPainterPath> clip) {
  state_.clip = std::move(clip);
  state_.clipId = ++lastClipId_;
}

void TMetafileCanvas::IntersectClipRect(QRectF box) { CombineClip(DeviceRect(box), ClipAnd); }

void TMetafileCanvas::ExcludeClipRect(QRectF box) { CombineClip(DeviceRect(box), ClipDiff); }

void TMetafileCanvas::OffsetClip(QPointF by) {
  if (!state_.clip) return;
  const QTransform toDevice = LogicalToDevice();
  const QPointF shift = toDevice.map(by) - toDevice.map(QPointF(0, 0));
  SetClip(state_.clip->translated(shift));
}

void TMetafileCanvas::CombineClip(const QPainterPath& region, int mode) {
  QPainterPath everywhere;
  everywhere.addRect(-kEverywhere, -kEverywhere, 2 * kEverywhere, 2 * kEverywhere);
  const QPainterPath current = state_.clip ? *state_.clip : everywhere;
  switch (mode) {
    case ClipAnd: SetClip(current.intersected(region)); break;
    case ClipOr:
      if (state_.clip) SetClip(current.united(region));
      break;
    case ClipXor:
      SetClip(current.united(region).subtracted(current.intersected(region)));
      break;
    case ClipDiff: SetClip(current.subtracted(region)); break;
    case ClipCopy:
      if (region.isEmpty())
        ResetClip();
      else
        SetClip(region);
      break;
    default: break;
  }
}

void TMetafileCanvas::ResetClip() {
  if (state_.clip) SetClip(std::nullopt);
}

void TMetafileCanvas::ApplyClip() {
  if (appliedClipId_ == state_.clipId) return;
  painter_.restore();
  painter_.save();
  if (state_.clip) {
    painter_.setTransform(QTransform());
    painter_.setClipPath(PainterPathWithin(painter_, deviceToPainter_, *state_.clip), Qt::IntersectClip);
  }
  appliedClipId_ = state_.clipId;
}

// ---- painting ----

QPen TMetafileCanvas::MakePen(const QTransform& toPainter, const QPainterPath& path) const {
  const TGdiPen& selected = state_.pen;
  if (selected.style == TGdiPen::Null) return Qt::NoPen;
  QPen pen(selected.colour);
  const double scale = AxisLength(toPainter, 1, 0);
  // A pen wider than twice the painter's whole device covers all of it; a
  // wider one only costs time.
  double widest = kWidestPen;
  if (const QPaintDevice* device = painter_.device(); device != nullptr && scale > 0)
    widest = std::min(widest, 2 * std::hypot(device->width(), device->height()) / scale + 1);
  const double width = std::min(selected.width, widest);
  const bool cosmetic = !(width * scale > 1);
  if (cosmetic) {
    pen.setWidthF(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
  } else {
    pen.setWidthF(width);
    pen.setCapStyle(selected.cap == TGdiPen::SquareCap ? Qt::SquareCap
                    : selected.cap == TGdiPen::FlatCap ? Qt::FlatCap
                                                       : Qt::RoundCap);
  }
  pen.setJoinStyle(selected.join == TGdiPen::BevelJoin   ? Qt::BevelJoin
                   : selected.join == TGdiPen::MiterJoin ? Qt::MiterJoin
                                                         : Qt::RoundJoin);
  pen.setMiterLimit(std::max(state_.miterLimit / 2, 0.5));

  // Dashes: in device pixels on thin pens; a wide pen keeps them only when
  // it was made geometric, and then they scale with its width.
  QList<qreal> dashes;
  const bool scaled = !cosmetic && selected.geometric;
  if (cosmetic || scaled) {
    switch (selected.style) {
      case TGdiPen::Dash: dashes = scaled ? QList<qreal>{3, 1} : QList<qreal>{18, 6}; break;
      case TGdiPen::Dot: dashes = scaled ? QList<qreal>{1, 1} : QList<qreal>{3, 3}; break;
      case TGdiPen::DashDot: dashes = scaled ? QList<qreal>{3, 1, 1, 1} : QList<qreal>{9, 6, 3, 6}; break;
      case TGdiPen::DashDotDot:
        dashes = scaled ? QList<qreal>{3, 1, 1, 1, 1, 1} : QList<qreal>{9, 3, 3, 3, 3, 3};
        break;
      case TGdiPen::Alternate: dashes = {1, 1}; break;
      case TGdiPen::UserStyle:
        for (double d : selected.userDashes) dashes.append(std::max(d, 0.0) / (scaled ? width : 1));
        if (dashes.size() % 2 != 0) dashes.append(dashes);
        break;
      default: break;
    }
  }
  // Every dash is stroked on its own: a pattern shorter than the pen is
  // wide, or repeated beyond counting, costs time and shows as a solid line
  // anyway.
  const double widthPixels = cosmetic ? 1 : width * scale;
  double patternPixels = 0;
  for (qreal d : dashes) patternPixels += d;
  patternPixels *= widthPixels;
  if (patternPixels >= widthPixels) {
    const double repeats = path.length() * std::max(scale, AxisLength(toPainter, 0, 1)) / patternPixels;
    if (repeats < kMostDashRepeats && repeats * widthPixels < kMostDashedPixels) pen.setDashPattern(dashes);
  }
  return pen;
}

QBrush TMetafileCanvas::MakeBrush(const QTransform& toPainter) const {
  const TGdiBrush& selected = state_.brush;
  QBrush brush;
  switch (selected.kind) {
    case TGdiBrush::Null: return Qt::NoBrush;
    case TGdiBrush::Solid: return QBrush(selected.colour);
    case TGdiBrush::Hatched: brush = QBrush(selected.colour, HatchStyle(selected.hatch)); break;
    case TGdiBrush::Pattern:
      if (selected.pattern.isNull()) return QBrush(selected.colour);
      brush = QBrush(selected.pattern);
      break;
  }
  // Hatches and patterns repeat in painter pixels, not logical units.
  bool invertible = false;
  const QTransform back = toPainter.inverted(&invertible);
  if (invertible) brush.setTransform(back);
  return brush;
}

void TMetafileCanvas::Paint(QPainterPath path, bool fill, bool stroke) {
  const QTransform toPainter = LogicalToPainter();
  if (path.isEmpty() || !Finite(toPainter) || toPainter.determinant() == 0) return;
  ApplyClip();
  path.setFillRule(state_.fillMode == TDeviceState::Winding ? Qt::WindingFill : Qt::OddEvenFill);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (fill && state_.brush.kind != TGdiBrush::Null) {
    if (state_.brush.kind == TGdiBrush::Hatched && state_.backgroundMode == TDeviceState::Opaque)
      FillThrough(painter_, toPainter, path, state_.backgroundColour);
    FillThrough(painter_, toPainter, path, MakeBrush(toPainter));
  }
  if (stroke) {
    const QPen pen = MakePen(toPainter, path);
    if (pen.style() == Qt::NoPen) return;
    if (pen.style() == Qt::CustomDashLine && state_.backgroundMode == TDeviceState::Opaque) {
      QPen gaps = pen;
      gaps.setStyle(Qt::SolidLine);
      gaps.setColor(state_.backgroundColour);
      StrokeThrough(painter_, toPainter, path, gaps);
    }
    StrokeThrough(painter_, toPainter, path, pen);
  }
}

// ---- bitmaps ----

void TMetafileCanvas::DrawBitmap(const QImage& image, QRectF source, QRectF dest, std::uint32_t rop,
                                 int constantAlpha) {
  if (!UsesSource(rop)) {
    PatternBlit(dest, rop);
    return;
  }
  if (inPath_ || image.isNull() || source.width() == 0 || source.height() == 0 || dest.width() == 0 ||
      dest.height() == 0)
    return;
  const QRect part = source.normalized().toAlignedRect() & image.rect();
  if (part.isEmpty()) return;
  const QTransform toPainter = LogicalToPainter();
  if (!Finite(toPainter)) return;
  // Image pixels onto the destination: source corner to destination corner,
  // a negative ratio mirroring.
  const double kx = dest.width() / source.width();
  const double ky = dest.height() / source.height();
  const QTransform imageToLogical(kx, 0, 0, ky, dest.x() - source.x() * kx, dest.y() - source.y() * ky);
  ApplyClip();
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, state_.stretchMode == TDeviceState::HalfTone);
  const bool rasterOps = painter_.paintEngine() != nullptr &&
                         painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  bool supported = true;
  QPainter::CompositionMode mode = SourceMode(rop, rasterOps, supported);
  if (!supported) mode = QPainter::CompositionMode_SourceOver;
  QImage shown = image;
  if (rop == 0x00330008) shown.invertPixels();  // the source inverted
  painter_.setCompositionMode(mode);
  if (constantAlpha < 255) painter_.setOpacity(std::max(constantAlpha, 0) / 255.0);
  const QTransform imageToPainter = imageToLogical * toPainter;
  if (!FarBeyondDevice(painter_, imageToPainter.mapRect(QRectF(part)))) {
    if (imageToPainter.type() <= QTransform::TxScale) {
      // Qt 6.4's scaled copy reads outside the picture when the vertical
      // scale is negative and small, so mirroring is done here and only
      // positive scales reach it.
      const bool acrossX = imageToPainter.m11() < 0;
      const bool acrossY = imageToPainter.m22() < 0;
      const QImage used = part == shown.rect() ? shown : shown.copy(part);
      painter_.setTransform(QTransform());
      painter_.drawImage(imageToPainter.mapRect(QRectF(part)),
                         acrossX || acrossY ? used.mirrored(acrossX, acrossY) : used);
    } else {
      painter_.setTransform(imageToPainter);
      painter_.drawImage(QPointF(part.topLeft()), shown, QRectF(part));
    }
  } else {
    // The bitmap as the texture of its own rectangle, which can be cut.
    QBrush texture(shown);
    texture.setTransform(imageToLogical);
    QPainterPath area;
    area.addPolygon(imageToLogical.map(QPolygonF(QRectF(part))));
    area.closeSubpath();
    FillThrough(painter_, toPainter, area, texture);
  }
  painter_.setOpacity(1);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TMetafileCanvas::PatternBlit(QRectF dest, std::uint32_t rop) {
  if (inPath_ || dest.width() == 0 || dest.height() == 0) return;
  const QTransform toPainter = LogicalToPainter();
  if (!Finite(toPainter)) return;
  QBrush brush;
  QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
  const bool rasterOps = painter_.paintEngine() != nullptr &&
                         painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  switch (rop) {
    case 0x00000042: brush = QBrush(Qt::black); break;
    case 0x00FF0062: brush = QBrush(Qt::white); break;
    case 0x00F00021: brush = MakeBrush(toPainter); break;
    case 0x005A0049:
      if (!rasterOps) return;
      brush = MakeBrush(toPainter);
      mode = QPainter::RasterOp_SourceXorDestination;
      break;
    case 0x00550009:
      if (!rasterOps) return;
      brush = QBrush(Qt::black);
      mode = QPainter::RasterOp_NotDestination;
      break;
    default: return;
  }
  if (brush.style() == Qt::NoBrush) return;
  ApplyClip();
  painter_.setCompositionMode(mode);
  QPainterPath area;
  area.addRect(dest.normalized());
  FillThrough(painter_, toPainter, area, brush);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---- text ----

void TMetafileCanvas::TextOut(TTextRun run) {
  if (inPath_) return;
  const QTransform toPainter = LogicalToPainter();
  if (!Finite(toPainter)) return;
  const bool updateCp = (state_.textAlign & TTextRun::UpdateCp) != 0;
  const QPointF origin = updateCp ? state_.currentPosition : run.reference;
  ApplyClip();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const double width = PaintTextRun(painter_, toPainter, state_, run, origin);
  if (!updateCp) return;
  if ((state_.textAlign & TTextRun::Centre) == TTextRun::Centre) return;
  const double step = (state_.textAlign & TTextRun::Right) != 0 ? -width : width;
  state_.currentPosition.rx() += step;
}

}  // namespace orv
