#pragma once
// Where an object is in page coordinates, as the object commands read and
// set it: the top-left of the page's publication area is (0, 0); objects in
// groups, containers and on the master page count their holders'
// positions; a line is the rectangle its two end points span.
#include <QPoint>
#include <QRect>

class QWidget;

namespace orv {

class TOrvalisObj;

// The object's rectangle in page coordinates.
QRect ObjectPageRect(const TOrvalisObj& object);
// The rectangle's top-left relative to `display` (the page list), through
// screen coordinates when the object lies elsewhere (a custom window).
QPoint ObjectDisplayPosition(const TOrvalisObj& object, const QWidget& display);

// Puts the rectangle's top-left at `topLeft` (page coordinates), keeping
// its size.
void MoveObjectTo(TOrvalisObj& object, QPoint topLeft);
// Gives the rectangle `width` x `height`, keeping its top-left; -1 keeps
// that side. A line is fitted into the new rectangle the way it ran.
void SizeObjectTo(TOrvalisObj& object, int width, int height);

}  // namespace orv
