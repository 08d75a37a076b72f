#include "objects/shapes/ShapePaint.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QVector>
#include <algorithm>

#include "objects/FillPatterns.h"

namespace orv {

namespace {

// Dash lengths in pen widths, by style.
QVector<qreal> DashPattern(TOrvalisPenStyle style) {
  switch (style) {
    case ovpsDash: return {4, 2};
    case ovpsDot: return {1, 2};
    case ovpsDashDot: return {4, 2, 1, 2};
    case ovpsDashDotDot: return {4, 2, 1, 2, 1, 2};
    default: return {};
  }
}

}  // namespace

QPen ShapePen(const TObjectLook& look, double width) {
  const QColor colour = ResolveColour(look.LineColor);
  if (!colour.isValid()) return QPen(Qt::NoPen);
  QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  const QVector<qreal> dashes = DashPattern(look.LineStyle);
  if (!dashes.isEmpty()) pen.setDashPattern(dashes);
  return pen;
}

bool HasOutline(const TObjectLook& look) { return look.LineWidth > 0 && look.LineStyle != ovpsClear; }

void FillShapePath(QPainter& painter, const QPainterPath& path, const TObjectLook& look, QPoint pageOffset) {
  if (look.FillPattern == kHollowFill || path.isEmpty()) return;
  const QColor fill = ResolveColour(look.FillColor);
  if (!fill.isValid()) return;
  const QBrush brush = IsFillPattern(look.FillPattern)
                           ? FillPatternBrush(look.FillPattern, fill, look.Transparent, pageOffset)
                           : QBrush(fill);
  painter.fillPath(path, brush);
}

void OutlineShapePath(QPainter& painter, const QPainterPath& path, const TObjectLook& look) {
  if (!HasOutline(look) || path.isEmpty()) return;
  const QPen pen = ShapePen(look, look.LineWidth);
  if (pen.style() == Qt::NoPen) return;
  painter.strokePath(path, pen);
}

void OutlineShapePathInside(QPainter& painter, const QPainterPath& path, const TObjectLook& look) {
  if (!HasOutline(look) || path.isEmpty()) return;
  // A pen twice as wide, centred on the outline and clipped to the shape,
  // leaves exactly the inner half. The dashes are halved to keep their
  // length; a pen wider than the shape covers all of it anyway.
  const QRectF bounds = path.boundingRect();
  const double widest = 2.0 * (bounds.width() + bounds.height()) + 2.0;
  const double width = std::min(2.0 * look.LineWidth, widest);
  QPen pen = ShapePen(look, width);
  if (pen.style() == Qt::NoPen) return;
  if (pen.style() == Qt::CustomDashLine) {
    QVector<qreal> dashes = pen.dashPattern();
    for (qreal& dash : dashes) dash /= 2;
    pen.setDashPattern(dashes);
  }
  painter.save();
  painter.setClipPath(path, Qt::IntersectClip);
  painter.strokePath(path, pen);
  painter.restore();
}

QRegion RegionFrame(const QRegion& region, int width) {
  if (width <= 0 || region.isEmpty()) return {};
  const QRect box = region.boundingRect();
  // A frame as wide as the shape is the whole shape.
  const int w = std::min(width, std::max(box.width(), box.height()));
  const QRegion inner = region.translated(w, 0) & region.translated(-w, 0) & region.translated(0, w) &
                        region.translated(0, -w);
  return region - inner;
}

}  // namespace orv
