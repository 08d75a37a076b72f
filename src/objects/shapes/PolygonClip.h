#pragma once
// Cutting a polygon down to a rectangle before it is drawn. Qt's
// anti-aliasing rasteriser walks every edge over its whole length, visible
// or not, so a polygon of many long edges far beyond the screen would take
// minutes to paint; cut to the part that can show, it costs what shows.
#include <QPolygonF>
#include <QRectF>

namespace orv {

// The polygon cut to `rect`: inside the rectangle it covers the same points
// as `polygon` under either fill rule; outside it covers nothing. Parts
// beyond the rectangle become runs along its border, so keep the border
// where nothing is seen (a margin around what is drawn).
QPolygonF ClipPolygonToRect(const QPolygonF& polygon, const QRectF& rect);

}  // namespace orv
