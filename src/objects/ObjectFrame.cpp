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

// Raised or sunken: nested one-pixel frames, light on two sides and the line
// colour on the other two, the corners where they meet blended. Only the
// frames that fit are drawn, so a huge width costs no more than the size.
void DrawBevel(QPainter& painter, const QRect& rect, const TObjectLook& look) {
  const QColor line = ResolveColour(look.LineColor);
  const QColor white(255, 255, 255);
  const QColor topLeft = look.LineStyle == ovpsRaised ? white : line;
  const QColor bottomRight = look.LineStyle == ovpsRaised ? line : white;
  const QColor corner = Blend(white, line);
  const int w = rect.width();
  const int h = rect.height();
  const int frames = std::min(look.LineWidth, (std::min(w, h) + 1) / 2);
  const int x0 = rect.left();
  const int y0 = rect.top();
  for (int i = 0; i < frames; ++i) {
    const int left = x0 + i, top = y0 + i;
    const int right = x0 + w - 1 - i, bottom = y0 + h - 1 - i;
    painter.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), bottomRight);
    painter.fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), bottomRight);
    painter.fillRect(QRect(QPoint(left, top), QPoint(right, top)), topLeft);
    painter.fillRect(QRect(QPoint(left, top), QPoint(left, bottom)), topLeft);
    painter.fillRect(QRect(left, bottom, 1, 1), corner);
    painter.fillRect(QRect(right, top, 1, 1), corner);
  }
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
  // The pen runs inside the rectangle: its outer edge on the rectangle's
  // edge, so a width of n covers the outer n pixels and no more.
  const int widest = std::max(1, std::min(rect.width(), rect.height()) / 2);
  const int width = std::min(look.LineWidth, widest);
  const double half = width / 2.0;
  const QRectF path(rect.left() + half, rect.top() + half, rect.width() - width, rect.height() - width);
  QPen pen(line, width, DashStyle(look.LineStyle), Qt::SquareCap, Qt::MiterJoin);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  if (width == 1) {
    // One-pixel lines sit on pixel centres.
    painter.drawRect(QRectF(rect.left() + 0.5, rect.top() + 0.5, rect.width() - 1, rect.height() - 1));
  } else {
    painter.drawRect(path);
  }
  painter.restore();
}

void DrawObjectFrame(QPainter& painter, const QRect& rect, const TObjectLook& look, QPoint pageOffset) {
  FillObjectRect(painter, rect, look, pageOffset);
  DrawObjectOutline(painter, rect, look);
}

}  // namespace orv
