#pragma once
// The device a metafile draws on: a device context (mapping, world
// transform, selected objects, colours, modes, clip, current position and
// path) over a QPainter. Both players turn their records into these calls;
// coordinates are logical unless a name says otherwise. The reference
// device's pixels are carried onto the painter's target by `deviceToTarget`.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <cstdint>
#include <vector>

#include "imaging/metafile/DeviceState.h"
#include "imaging/metafile/MetafileText.h"

namespace orv {

class TMetafileCanvas {
 public:
  // Region combination modes of clip records.
  enum ClipMode { ClipAnd = 1, ClipOr = 2, ClipXor = 3, ClipDiff = 4, ClipCopy = 5 };
  enum class ArcKind { Arc, ArcTo, Chord, Pie };
  // Point types of PolyDraw.
  enum PointType { CloseFigureFlag = 0x01, LineToType = 0x02, BezierToType = 0x04, MoveToType = 0x06 };

  // Deeper SaveDC nesting than this is ignored.
  static constexpr int kDeepestSave = 4096;

  // The painter is saved here and restored when the canvas goes.
  TMetafileCanvas(QPainter& painter, const QTransform& deviceToTarget, TDeviceState initial);
  ~TMetafileCanvas();
  TMetafileCanvas(const TMetafileCanvas&) = delete;
  TMetafileCanvas& operator=(const TMetafileCanvas&) = delete;

  TDeviceState& State() { return state_; }

  void SaveDC();
  // A negative number counts back from the latest save, a positive one names
  // the save by its depth; numbers that name no save are ignored.
  void RestoreDC(int which);

  void MoveTo(QPointF point);
  void LineTo(QPointF point);
  void Polyline(const QPolygonF& points);
  void PolylineTo(const QPolygonF& points);
  // The first point and then three points a curve.
  void PolyBezier(const QPolygonF& points);
  // Three points a curve, from the current position.
  void PolyBezierTo(const QPolygonF& points);
  void PolyPolyline(const std::vector<QPolygonF>& lines);
  void PolyDraw(const QPolygonF& points, const std::vector<std::uint8_t>& types);

  void Polygon(const QPolygonF& points);
  void PolyPolygon(const std::vector<QPolygonF>& polygons);
  void Rectangle(QRectF box);
  // `corner` is the width and height of the ellipse that rounds the corners.
  void RoundRect(QRectF box, QSizeF corner);
  void Ellipse(QRectF box);
  // From the radial through `start` to the radial through `end`, in the
  // arc direction (counter-clockwise on the device unless set otherwise).
  void Arc(ArcKind kind, QRectF box, QPointF start, QPointF end);
  void AngleArc(QPointF centre, double radius, double startDegrees, double sweepDegrees);
  void SetPixel(QPointF point, QColor colour);

  void BeginPath();
  void EndPath() { inPath_ = false; }
  void AbortPath();
  void CloseFigure();
  void FillPath();
  void StrokePath();
  void StrokeAndFillPath();
  void SelectClipPath(int mode);

  void IntersectClipRect(QRectF box);
  void ExcludeClipRect(QRectF box);
  void OffsetClip(QPointF by);
  // `region` in device coordinates; ClipCopy with an empty region clears.
  void CombineClip(const QPainterPath& region, int mode);
  void ResetClip();

  // `source` in image pixels from the image's top left; `dest` logical.
  // Either may have a negative width or height, which mirrors the picture.
  // `rop` is the ternary raster operation of the record.
  void DrawBitmap(const QImage& image, QRectF source, QRectF dest, std::uint32_t rop, int constantAlpha = 255);
  // A raster operation without a source bitmap: the brush, black or white.
  void PatternBlit(QRectF dest, std::uint32_t rop);

  void TextOut(TTextRun run);

 private:
  QTransform LogicalToDevice() const { return state_.world * state_.mapping.PageToDevice(); }
  QTransform LogicalToPainter() const { return LogicalToDevice() * deviceToPainter_; }
  // Shapes go into the open path, or are filled and outlined at once.
  void Shape(const QPainterPath& path, bool fill, bool stroke);
  void Paint(QPainterPath path, bool fill, bool stroke);
  // Brings the painter's clip in line with the device context's.
  void ApplyClip();
  void SetClip(std::optional<QPainterPath> clip);
  QPen MakePen(const QTransform& toPainter, const QPainterPath& path) const;
  QBrush MakeBrush(const QTransform& toPainter) const;
  // The box a shape is drawn in: an inside-frame pen shrinks it by half its
  // width.
  QRectF FrameBox(QRectF box) const;
  QPainterPath ArcPath(ArcKind kind, QRectF box, double startDegrees, double sweepDegrees) const;
  // Whether the painter's device flips orientation, which turns the
  // counter-clockwise arcs of the device around.
  bool Mirrored() const;
  void ContinueFigure();
  QPainterPath DeviceRect(QRectF logical) const;

  QPainter& painter_;
  QTransform deviceToPainter_;
  TDeviceState state_;
  std::vector<TDeviceState> saved_;

  bool inPath_ = false;
  bool figureOpen_ = false;
  QPainterPath path_;

  int lastClipId_ = 0;
  int appliedClipId_ = 0;
};

}  // namespace orv
