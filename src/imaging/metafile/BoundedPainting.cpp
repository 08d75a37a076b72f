#include "imaging/metafile/BoundedPainting.h"

#include <QPaintDevice>
#include <QPainterPathStroker>

namespace orv {

namespace {

// How far past the device geometry may reach before it is cut, and the
// margin left around the device when it is.
constexpr double kReach = 32768;
constexpr double kMargin = 64;

QRectF DeviceRect(const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  if (device == nullptr) return QRectF();
  return QRectF(0, 0, device->width(), device->height());
}

QPainterPath CutToDevice(const QPainter& painter, const QPainterPath& painterPath) {
  QPainterPath window;
  window.addRect(DeviceRect(painter).adjusted(-kMargin, -kMargin, kMargin, kMargin));
  return painterPath.intersected(window);
}

}  // namespace

bool FarBeyondDevice(const QPainter& painter, const QRectF& painterBounds) {
  const QRectF device = DeviceRect(painter);
  return !device.isEmpty() && !device.adjusted(-kReach, -kReach, kReach, kReach).contains(painterBounds);
}

QPainterPath PainterPathWithin(const QPainter& painter, const QTransform& toPainter, const QPainterPath& path) {
  const QPainterPath mapped = toPainter.map(path);
  return FarBeyondDevice(painter, mapped.controlPointRect()) ? CutToDevice(painter, mapped) : mapped;
}

void FillThrough(QPainter& painter, const QTransform& toPainter, const QPainterPath& area, QBrush brush) {
  if (!FarBeyondDevice(painter, toPainter.mapRect(area.controlPointRect()))) {
    painter.setTransform(toPainter);
    painter.fillPath(area, brush);
    return;
  }
  painter.setTransform(QTransform());
  if (brush.style() != Qt::SolidPattern) brush.setTransform(brush.transform() * toPainter);
  painter.fillPath(CutToDevice(painter, toPainter.map(area)), brush);
}

void StrokeThrough(QPainter& painter, const QTransform& toPainter, const QPainterPath& path, const QPen& pen) {
  if (!FarBeyondDevice(painter, toPainter.mapRect(path.controlPointRect()))) {
    painter.setTransform(toPainter);
    painter.strokePath(path, pen);
    return;
  }
  // A cosmetic pen is as wide on the device whatever the transform; any
  // other is stroked where it is defined and the outline carried over.
  const QPainterPathStroker stroker(pen);
  const QPainterPath outline =
      pen.isCosmetic() ? stroker.createStroke(toPainter.map(path)) : toPainter.map(stroker.createStroke(path));
  painter.setTransform(QTransform());
  painter.fillPath(CutToDevice(painter, outline), pen.brush());
}

}  // namespace orv
