#include "objects/buttons/ButtonFrames.h"

#include <QPainter>
#include <QPainterPath>

namespace orv {

void DrawFrame3D(QPainter& painter, const QRect& rect, int width, const QColor& topLeft,
                 const QColor& bottomRight) {
  QRect r = rect;
  for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    r.adjust(1, 1, -1, -1);
  }
}

void DrawFocusMarquee(QPainter& painter, const QRect& rect) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  // Pixel by pixel: a dotted pen would land between pixels.
  QPainterPath dots;
  int n = 0;
  auto dot = [&](int x, int y) {
    if (n++ % 2 == 0) dots.addRect(x, y, 1, 1);
  };
  for (int x = rect.left(); x < rect.right(); ++x) dot(x, rect.top());
  for (int y = rect.top(); y < rect.bottom(); ++y) dot(rect.right(), y);
  for (int x = rect.right(); x > rect.left(); --x) dot(x, rect.bottom());
  for (int y = rect.bottom(); y > rect.top(); --y) dot(rect.left(), y);
  painter.fillPath(dots, Qt::black);
}

}  // namespace orv
