#include "objects/ObjectFrame.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

#include "objects/FillPatterns.h"

namespace orv {

namespace {

Qt::PenStyle DashStyle(TOrvalisPenStyle style) {
  switch (style) {
    case ovpsDash: return Qt::DashLine;
    case ovpsDot: return Qt::DotLine;
    case ovpsDashDot: return Qt::DashDotLine;
    case ovpsDashDotDot: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}

QColor Blend(const QColor& a, const QColor& b) {
  return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

// The part of `rect` the painter can reach: only frames crossing it need
// drawing, however wide the outline.
QRect ReachableArea(const QPainter& painter, const QRect& rect) {
  QRect reach = rect;
  if (painter.hasClipping()) reach &= painter.clipBoundingRect().toAlignedRect();
  if (const QPaintDevice* device = painter.device()) {
    const QRect deviceArea(0, 0, device->width(), device->height());
    bool invertible = false;
    const QTransform back = painter.worldTransform().inverted(&invertible);
    if (invertible) reach &= back.mapRect(QRectF(deviceArea)).toAlignedRect();
  }
  return reach;
}

// Raised or sunken: nested one-pixel frames, light on two sides and the line
// colour on the other two, the corners where they meet blended. Frames are
// drawn only where they fit and where they can be seen, so a huge width
// costs no more than the visible size.
void DrawBevel(QPainter& painter, const QRect& rect, const TObjectLook& look) {
  const QColor line = ResolveColour(look.LineColor);
  const QColor white(255, 255, 255);
  const QColor topLeft = look.LineStyle == ovpsRaised ? white : line;
  const QColor bottomRight = look.LineStyle == ovpsRaised ? line : white;
  const QColor corner = Blend(white, line);
  const int w = rect.width();
  const int h = rect.height();
  const int frames = std::min(look.LineWidth, (std::min(w, h) + 1) / 2);
  const QRect reach = ReachableArea(painter, rect);
  if (reach.isEmpty() || frames <= 0) return;
  const int x0 = rect.left();
  const int y0 = rect.top();
  const int x1 = rect.right();
  const int y1 = rect.bottom();
  auto frame = [&](int i) {
    const int left = x0 + i, top = y0 + i;
    const int right = x1 - i, bottom = y1 - i;
    painter.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), bottomRight);
    painter.fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), bottomRight);
    painter.fillRect(QRect(QPoint(left, top), QPoint(right, top)), topLeft);
    painter.fillRect(QRect(QPoint(left, top), QPoint(left, bottom)), topLeft);
    painter.fillRect(QRect(left, bottom, 1, 1), corner);
    painter.fillRect(QRect(right, top, 1, 1), corner);
  };
  // Frame i runs along x0 + i, x1 - i, y0 + i and y1 - i: those crossing
  // the reachable area. A frame met twice paints the same pixels again.
  auto frames_between = [&](long long from, long long to) {
    from = std::max<long long>(from, 0);
    to = std::min<long long>(to, frames - 1);
    for (long long i = from; i <= to; ++i) frame(static_cast<int>(i));
  };
  frames_between(0LL + reach.left() - x0, 0LL + reach.right() - x0);
  frames_between(0LL + x1 - reach.right(), 0LL + x1 - reach.left());
  frames_between(0LL + reach.top() - y0, 0LL + reach.bottom() - y0);
  frames_between(0LL + y1 - reach.bottom(), 0LL + y1 - reach.top());
}

}  // namespace

void FillObjectRect(QPainter& painter, const QRect& rect, const TObjectLook& look, QPoint pageOffset) {
  if (look.FillPattern == kHollowFill || rect.isEmpty()) return;
  const QColor fill = ResolveColour(look.FillColor);
  if (!fill.isValid()) return;
  if (IsFillPattern(look.FillPattern)) {
    const QPoint origin = pageOffset - rect.topLeft();
    painter.fillRect(rect, FillPatternBrush(look.FillPattern, fill, look.Transparent, origin));
  } else {
    painter.fillRect(rect, fill);
  }
}

void DrawObjectOutline(QPainter& painter, const QRect& rect, const TObjectLook& look) {
  if (look.LineWidth <= 0 || look.LineStyle == ovpsClear || rect.isEmpty()) return;
  if (look.LineStyle == ovpsRaised || look.LineStyle == ovpsSunken) {
    DrawBevel(painter, rect, look);
    return;
  }
  const QColor line = ResolveColour(look.LineColor);
  if (!line.isValid()) return;
  // The outline runs inside the rectangle: a width of n covers the outer n
  // pixels and no more.
  const int widest = std::max(1, (std::min(rect.width(), rect.height()) + 1) / 2);
  const int width = std::min(look.LineWidth, widest);
  if (look.LineStyle == ovpsSolid) {
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), line);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), line);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), line);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), line);
    return;
  }
  const double half = width / 2.0;
  QPen pen(line, width, DashStyle(look.LineStyle), Qt::FlatCap, Qt::MiterJoin);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect.left() + half, rect.top() + half, rect.width() - width, rect.height() - width));
  painter.restore();
}

void DrawObjectFrame(QPainter& painter, const QRect& rect, const TObjectLook& look, QPoint pageOffset) {
  FillObjectRect(painter, rect, look, pageOffset);
  DrawObjectOutline(painter, rect, look);
}

}  // namespace orv
