#pragma once
// The veil that marks a disabled control drawn from pictures: light grey
// laid over at partial opacity, so the picture still shows but plainly
// does not answer.
#include <QImage>
#include <QRect>

class QPainter;

namespace orv {

// Veils `target`. With `alphaMask` (a picture of the target's size that has
// an alpha channel) only the mask's own pixels are veiled, as far as they
// are opaque; without one the whole rectangle is.
void DrawDisabledOverlay(QPainter& painter, const QRect& target, const QImage& alphaMask = QImage());

}  // namespace orv
