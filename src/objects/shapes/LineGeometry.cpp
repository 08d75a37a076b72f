#include "objects/shapes/LineGeometry.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace orv {

namespace {

// Head corners far beyond any window still give whole numbers.
std::int64_t Floor(double value) { return static_cast<std::int64_t>(std::floor(std::clamp(value, -1e15, 1e15))); }
std::int64_t Ceil(double value) { return static_cast<std::int64_t>(std::ceil(std::clamp(value, -1e15, 1e15))); }

}  // namespace

double ArrowHeadSize(int lineWidth) {
  return std::nearbyint(4.0 * (std::max(1.0, static_cast<double>(lineWidth)) + 1.0));
}

QPointF PenOffset(int lineWidth, QPoint p1, QPoint p2) {
  // The thinnest pen draws one pixel, which is odd.
  if (lineWidth > 1 && lineWidth % 2 == 0) return {0.0, 0.0};
  if (p1.y() == p2.y()) return {0.0, 0.5};
  if (p1.x() == p2.x()) return {0.5, 0.0};
  return {0.5, 0.5};
}

QPolygonF ArrowHead(QPointF tip, QPointF from, double size) {
  const QLineF back(tip, from);
  const double length = back.length();
  if (length <= 0.0) return {};
  const QPointF along = (from - tip) / length;
  const QPointF across(-along.y(), along.x());
  // Corners at s x sqrt(5) / 2 from the tip, atan(1/2) off the line: s back
  // along it and s / 2 to either side.
  const QPointF base = tip + along * size;
  return QPolygonF({tip, base + across * (size / 2), base - across * (size / 2)});
}

TLineBox LineWindow(QPoint p1, QPoint p2, int lineWidth, bool startArrow, bool endArrow) {
  const std::int64_t width = std::max(0, lineWidth);
  // Half the pen, rounded up: an odd pen has a row more on one side.
  const std::int64_t a = std::max<std::int64_t>(1, (width + 1) / 2);
  TLineBox box{std::min(p1.x(), p2.x()), std::min(p1.y(), p2.y()), std::max(p1.x(), p2.x()),
               std::max(p1.y(), p2.y())};
  if (p1.y() == p2.y()) {
    // A width-1 pen fills the line's own row; the window starts there.
    if (width != 1) box.top -= a;
    box.bottom = box.top + 2 * a;
  } else if (p1.x() == p2.x()) {
    if (width != 1) box.left -= a;
    box.right = box.left + 2 * a;
  } else {
    box.left -= a;
    box.top -= a;
    box.right += a;
    box.bottom += a;
  }
  if (p1 == p2) return box;
  const double size = ArrowHeadSize(lineWidth);
  const QPointF offset = PenOffset(lineWidth, p1, p2);
  auto enclose = [&](QPoint tip, QPoint from) {
    const QRectF head = ArrowHead(QPointF(tip) + offset, QPointF(from) + offset, size).boundingRect();
    box.left = std::min(box.left, Floor(head.left()));
    box.top = std::min(box.top, Floor(head.top()));
    box.right = std::max(box.right, Ceil(head.right()));
    box.bottom = std::max(box.bottom, Ceil(head.bottom()));
  };
  if (startArrow) enclose(p1, p2);
  if (endArrow) enclose(p2, p1);
  return box;
}

std::pair<QPoint, QPoint> FitLine(QPoint p1, QSize window, const QRect& target) {
  const int left = target.left();
  const int right = target.left() + target.width();
  const int top = target.top();
  const int bottom = target.top() + target.height();
  QPoint first, second;
  const bool firstLeft = p1.x() < window.width() / 2;
  const bool firstTop = p1.y() < window.height() / 2;
  first.setX(firstLeft ? left : right);
  second.setX(firstLeft ? right : left);
  first.setY(firstTop ? top : bottom);
  second.setY(firstTop ? bottom : top);
  return {first, second};
}

}  // namespace orv
