#pragma once
// The rounded rectangle and the ellipse: filled and outlined shapes that
// paint nothing outside their outline, so the page shows at their corners.
#include <QPainterPath>
#include <QRectF>
#include <QSize>

#include "objects/OrvalisObj.h"

namespace orv {

// The largest corner radius of a rounded rectangle.
inline constexpr double kRoundRectRadius = 10.0;

// The rectangle a round shape of `size` is drawn on: pixel centres from the
// first to the last pixel, brought in so an outline of `look` stays inside.
QRectF RoundShapeRect(QSize size, const TObjectLook& look);

// The corner radius on `rect`: kRoundRectRadius, or less where an edge is
// too short for two corners, the arcs then meeting at its middle.
double RoundRectRadius(const QRectF& rect);

QPainterPath RoundRectPath(const QRectF& rect);

class TOrvalisRoundRect : public TOrvalisObj {
 public:
  TOrvalisRoundRect(int type, QWidget* parent, TObjectHost* host);
  void DrawShape(QPainter& painter) override;
};

class TOrvalisCircle : public TOrvalisObj {
 public:
  TOrvalisCircle(int type, QWidget* parent, TObjectHost* host);
  void DrawShape(QPainter& painter) override;
};

}  // namespace orv
