#pragma once
// Filling and outlining the paths of the drawn shapes (rounded rectangle,
// ellipse, polygon, line) with an object's look, anti-aliased.
#include <QPen>
#include <QPoint>

#include "objects/ObjectFrame.h"

class QPainter;
class QPainterPath;
class QRegion;

namespace orv {

// The pen of an outline: `LineColor`, `width` pixels, dashed for the dash
// styles and solid for every other. A colour marker gives Qt::NoPen.
QPen ShapePen(const TObjectLook& look, double width);

// Fills `path` solid or with the look's pattern, tiled from the page origin
// (`pageOffset` is the painter's origin in page coordinates); a hollow fill
// paints nothing.
void FillShapePath(QPainter& painter, const QPainterPath& path, const TObjectLook& look, QPoint pageOffset);

// Whether the look draws an outline at all: a width and a style that shows.
bool HasOutline(const TObjectLook& look);

// The outline centred on `path`.
void OutlineShapePath(QPainter& painter, const QPainterPath& path, const TObjectLook& look);

// The outline inside `path`: the pen's whole width lies within the shape.
void OutlineShapePathInside(QPainter& painter, const QPainterPath& path, const TObjectLook& look);

// The band of `region` within `width` pixels of its border, horizontally
// and vertically.
QRegion RegionFrame(const QRegion& region, int width);

}  // namespace orv
