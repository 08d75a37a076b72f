#include "commands/objects/ObjectPlacement.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "objects/ObjectHost.h"
#include "objects/OrvalisObj.h"
#include "objects/shapes/OrvalisLine.h"

namespace orv {

namespace {

// What a position in the object's parent adds up to on the page.
QPoint ParentToPage(const TOrvalisObj& object) { return object.PagePosition() - object.pos(); }

// The rectangle in the parent's coordinates.
QRect ParentRect(const TOrvalisObj& object) {
  if (const auto* line = dynamic_cast<const TOrvalisLine*>(&object)) {
    const QPoint a = line->StartPoint(), b = line->EndPoint();
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QSize(std::abs(a.x() - b.x()), std::abs(a.y() - b.y())));
  }
  return object.geometry();
}

int Clamped(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, -kLargestCoordinate, kLargestCoordinate));
}

void PlaceWidget(TOrvalisObj& object, const QRect& rect) {
  // Through the window, so every move is announced the same way.
  if (TObjectHost* host = object.Host())
    host->MoveObject(object, rect);
  else
    object.setGeometry(rect);
}

}  // namespace

QRect ObjectPageRect(const TOrvalisObj& object) { return ParentRect(object).translated(ParentToPage(object)); }

QPoint ObjectDisplayPosition(const TOrvalisObj& object, const QWidget& display) {
  const QPoint inObject = ParentRect(object).topLeft() - object.pos();
  if (display.isAncestorOf(&object)) return object.mapTo(&display, inObject);
  return display.mapFromGlobal(object.mapToGlobal(inObject));
}

void MoveObjectTo(TOrvalisObj& object, QPoint topLeft) {
  const QPoint shift = topLeft - ObjectPageRect(object).topLeft();
  if (shift.isNull()) return;
  const QRect now = object.geometry();
  PlaceWidget(object, QRect(QPoint(Clamped(std::int64_t{now.x()} + shift.x()),
                                   Clamped(std::int64_t{now.y()} + shift.y())),
                            now.size()));
}

void SizeObjectTo(TOrvalisObj& object, int width, int height) {
  QRect rect = ParentRect(object);
  if (width != -1) rect.setWidth(std::clamp(width, 0, static_cast<int>(kLargestCoordinate)));
  if (height != -1) rect.setHeight(std::clamp(height, 0, static_cast<int>(kLargestCoordinate)));
  if (auto* line = dynamic_cast<TOrvalisLine*>(&object)) {
    line->FitLineToRect(rect);
    if (TObjectHost* host = object.Host()) host->MoveObject(object, object.geometry());
    return;
  }
  if (rect.size() == object.size()) return;
  PlaceWidget(object, rect);
}

}  // namespace orv
