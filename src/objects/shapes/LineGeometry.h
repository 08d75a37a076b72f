#pragma once
// Where a line's window goes and the shape of its arrow heads.
//
// Pen placement: a pen of odd width is centred half a pixel across its
// line, so a width-1 line on row y fills exactly row y and a width-3 one
// rows y-1 to y+1; an even width is centred on the whole coordinate. Edges
// then fall on pixel boundaries and straight lines stay crisp.
#include <QPoint>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <utility>

namespace orv {

// A rectangle with room for any line: right and bottom are exclusive.
struct TLineBox {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
  std::int64_t Width() const { return right - left; }
  std::int64_t Height() const { return bottom - top; }
};

// The length and the base of an arrow head on a pen of `lineWidth`: four
// times the pen plus one, so a width-1 line gets an 8 by 8 head.
double ArrowHeadSize(int lineWidth);

// Where a pen of `lineWidth` on the line from `p1` to `p2` is drawn,
// relative to the points (see above).
QPointF PenOffset(int lineWidth, QPoint p1, QPoint p2);

// The filled head whose tip is `tip` on a line coming from `from`: the tip,
// then the two corners of the base, `size` back along the line and `size`
// apart. Empty when the two points are one (no direction to point in).
QPolygonF ArrowHead(QPointF tip, QPointF from, double size);

// The window of a line from `p1` to `p2`: the rectangle spanning them,
// widened so the pen fits and enclosing the heads the line has.
TLineBox LineWindow(QPoint p1, QPoint p2, int lineWidth, bool startArrow, bool endArrow);

// The end points of a line put into `target`: the end that lay in the left
// half of the old window (`p1` relative to a window of `window` size) goes
// to the left side, the one in the top half to the top, so the line keeps
// the diagonal it had.
std::pair<QPoint, QPoint> FitLine(QPoint p1, QSize window, const QRect& target);

}  // namespace orv
