#include "objects/shapes/RoundShapes.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "objects/shapes/ShapePaint.h"

namespace orv {

namespace {

// An outline of half the shorter side or more covers the whole shape.
bool OutlineFillsShape(const TObjectLook& look, QSize size) {
  return HasOutline(look) && look.LineWidth > 1 &&
         static_cast<std::int64_t>(look.LineWidth) * 2 >= std::min(size.width(), size.height());
}

QRectF EdgeRect(QSize size) {
  // Pixel centres are half a pixel in: the first to the last pixel.
  return QRectF(0.5, 0.5, std::max(0, size.width() - 1), std::max(0, size.height() - 1));
}

// The fill, then the outline along `path`; `outer` is the shape out to the
// object's edge, filled in the line colour instead when the outline is
// wide enough to cover it all.
void PaintRoundShape(QPainter& painter, const QPainterPath& path, const QPainterPath& outer,
                     const TObjectLook& look, QPoint pageOffset, QSize size) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  if (OutlineFillsShape(look, size)) {
    const QColor line = ResolveColour(look.LineColor);
    if (line.isValid()) painter.fillPath(outer, line);
  } else {
    FillShapePath(painter, path, look, pageOffset);
    OutlineShapePath(painter, path, look);
  }
  painter.restore();
}

}  // namespace

QRectF RoundShapeRect(QSize size, const TObjectLook& look) {
  QRectF rect = EdgeRect(size);
  if (look.LineWidth > 1 && look.LineStyle != ovpsClear) {
    // The pen is centred on the path: moved in by all but its centre pixel,
    // its outer edge lies on the object's edge.
    const double inset = std::min((look.LineWidth - 1) / 2.0, std::min(rect.width(), rect.height()) / 2);
    rect.adjust(inset, inset, -inset, -inset);
  }
  return rect;
}

double RoundRectRadius(const QRectF& rect) {
  return std::min({kRoundRectRadius, rect.width() / 2, rect.height() / 2});
}

QPainterPath RoundRectPath(const QRectF& rect) {
  QPainterPath path;
  const double radius = RoundRectRadius(rect);
  // One radius for both directions: the corners stay circular where Qt
  // would shrink each direction on its own.
  path.addRoundedRect(rect, radius, radius);
  return path;
}

TOrvalisRoundRect::TOrvalisRoundRect(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisObj(type, parent, host) {
  LockTransparency(true);
}

void TOrvalisRoundRect::DrawShape(QPainter& painter) {
  const QPainterPath path = RoundRectPath(RoundShapeRect(size(), Look()));
  PaintRoundShape(painter, path, RoundRectPath(QRectF(rect())), Look(), PagePosition(), size());
}

TOrvalisCircle::TOrvalisCircle(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  LockTransparency(true);
}

void TOrvalisCircle::DrawShape(QPainter& painter) {
  QPainterPath path;
  path.addEllipse(RoundShapeRect(size(), Look()));
  QPainterPath outer;
  outer.addEllipse(QRectF(rect()));
  PaintRoundShape(painter, path, outer, Look(), PagePosition(), size());
}

}  // namespace orv
