#include "objects/shapes/PolygonClip.h"

namespace orv {

namespace {

// One pass of the clip: keeps the side of a border line where `inside`
// holds, putting the crossing point where an edge passes the line.
template <typename Inside, typename Cross>
QPolygonF ClipAgainst(const QPolygonF& polygon, Inside inside, Cross cross) {
  QPolygonF result;
  const qsizetype count = polygon.size();
  if (count == 0) return result;
  result.reserve(count + 4);
  QPointF previous = polygon.back();
  bool previousInside = inside(previous);
  for (const QPointF& current : polygon) {
    const bool currentInside = inside(current);
    if (currentInside != previousInside) result.append(cross(previous, current));
    if (currentInside) result.append(current);
    previous = current;
    previousInside = currentInside;
  }
  return result;
}

QPointF AtX(QPointF a, QPointF b, double x) { return {x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())}; }
QPointF AtY(QPointF a, QPointF b, double y) { return {a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y}; }

}  // namespace

QPolygonF ClipPolygonToRect(const QPolygonF& polygon, const QRectF& rect) {
  const double left = rect.left(), right = rect.right(), top = rect.top(), bottom = rect.bottom();
  QPolygonF clipped = ClipAgainst(
      polygon, [&](QPointF p) { return p.x() >= left; }, [&](QPointF a, QPointF b) { return AtX(a, b, left); });
  clipped = ClipAgainst(
      clipped, [&](QPointF p) { return p.x() <= right; }, [&](QPointF a, QPointF b) { return AtX(a, b, right); });
  clipped = ClipAgainst(
      clipped, [&](QPointF p) { return p.y() >= top; }, [&](QPointF a, QPointF b) { return AtY(a, b, top); });
  clipped = ClipAgainst(
      clipped, [&](QPointF p) { return p.y() <= bottom; }, [&](QPointF a, QPointF b) { return AtY(a, b, bottom); });
  return clipped;
}

}  // namespace orv
