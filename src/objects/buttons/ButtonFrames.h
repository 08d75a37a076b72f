#pragma once
// The plain (unthemed) frames of buttons: raised and sunken 3-D frames of
// any width, and the dotted focus marquee.
#include <QColor>
#include <QRect>

class QPainter;

namespace orv {

// `width` nested one-pixel frames inside `rect`: the top and left edges in
// `topLeft`, the right and bottom edges (their corners included) in
// `bottomRight`.
void DrawFrame3D(QPainter& painter, const QRect& rect, int width, const QColor& topLeft,
                 const QColor& bottomRight);

// The focus rectangle: every other pixel of `rect`'s edge in black.
void DrawFocusMarquee(QPainter& painter, const QRect& rect);

}  // namespace orv
