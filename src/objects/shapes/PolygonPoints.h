#pragma once
// A polygon's point list as documents and scripts write it: the count, then
// x,y pairs, every number separated by ",". The text comes from outside, so
// the count and the coordinates are bounded before anything is allocated.
#include <QPoint>
#include <QSize>
#include <string_view>
#include <vector>

namespace orv {

// A count above this is refused whole.
inline constexpr int kMostPolygonPoints = 65536;
// Coordinates beyond this are held at it (either sign).
inline constexpr int kLargestPolygonCoordinate = 32767;

// The points of `text`, relative to the object. The count comes first; up
// to twice that many numbers follow as x, y pairs, a field that is not a
// number reading as 0 and missing ones staying 0. A count of 0 or less,
// above kMostPolygonPoints or not a number gives no points.
std::vector<QPoint> ParsePolygonPoints(std::string_view text);

// The four corners of a `size` rectangle from the origin, clockwise from
// the top-left: the outline of a polygon that has no points of its own.
std::vector<QPoint> RectanglePoints(QSize size);

}  // namespace orv
