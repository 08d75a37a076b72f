#pragma once
// Filling and outlining logical geometry through a transform onto a
// painter. Geometry reaching far past the painter's device is cut to the
// device first: the painter walks every edge along its whole length, so a
// rotated shape millions of pixels long would take seconds to draw.
#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QTransform>

namespace orv {

// Whether `painterBounds` (painter coordinates) reaches far past the device.
bool FarBeyondDevice(const QPainter& painter, const QRectF& painterBounds);

// `path` carried into painter coordinates, and cut to the device when it
// reaches far past it: for clips set with the painter's transform cleared.
QPainterPath PainterPathWithin(const QPainter& painter, const QTransform& toPainter, const QPainterPath& path);

// `brush` is as it would be used with `toPainter` as the painter's
// transform; the painter's transform is left changed.
void FillThrough(QPainter& painter, const QTransform& toPainter, const QPainterPath& area, QBrush brush);
void StrokeThrough(QPainter& painter, const QTransform& toPainter, const QPainterPath& path, const QPen& pen);

}  // namespace orv
