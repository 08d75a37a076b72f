#include "objects/shapes/OrvalisLine.h"

#include <QLineF>
#include <QPainter>
#include <algorithm>

#include "container/DocumentValue.h"
#include "objects/shapes/LineGeometry.h"
#include "objects/shapes/ShapePaint.h"

namespace orv {

namespace {

// "ENDCAPS=" bits.
constexpr int kStartArrowBit = 1;
constexpr int kEndArrowBit = 512;

QPoint ClampPoint(QPoint p) {
  return QPoint(std::clamp(p.x(), -kLargestCoordinate, kLargestCoordinate),
                std::clamp(p.y(), -kLargestCoordinate, kLargestCoordinate));
}

}  // namespace

TOrvalisLine::TOrvalisLine(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  LockTransparency(true);
}

void TOrvalisLine::SetEndPoints(QPoint start, QPoint end) {
  // End points live where objects may be placed, so differences between
  // them and the window's corner stay in range.
  start = ClampPoint(start);
  end = ClampPoint(end);
  const TLineBox box = LineWindow(start, end, LineWidth(), startCap_ == lc_Arrow, endCap_ == lc_Arrow);
  SetDocumentGeometry(box.left, box.top, box.Width(), box.Height());
  start_ = start - pos();
  end_ = end - pos();
  placed_ = true;
  Repaint();
}

void TOrvalisLine::FitLineToRect(const QRect& rect) {
  const auto [start, end] = FitLine(start_, size(), rect);
  SetEndPoints(start, end);
}

void TOrvalisLine::PlaceAgain() {
  if (placed_) SetEndPoints(StartPoint(), EndPoint());
}

void TOrvalisLine::SetStartCap(int cap) {
  if (cap == startCap_) return;
  startCap_ = cap;
  PlaceAgain();
  Repaint();
}

void TOrvalisLine::SetEndCap(int cap) {
  if (cap == endCap_) return;
  endCap_ = cap;
  PlaceAgain();
  Repaint();
}

void TOrvalisLine::SetLineWidth(int value) {
  const int before = LineWidth();
  TOrvalisObj::SetLineWidth(value);
  if (LineWidth() != before) PlaceAgain();
}

void TOrvalisLine::DrawLine(QPainter& painter) const {
  const int lineWidth = LineWidth();
  const QPointF offset = PenOffset(lineWidth, start_, end_);
  const QPointF p1 = QPointF(start_) + offset;
  const QPointF p2 = QPointF(end_) + offset;
  const double length = QLineF(p1, p2).length();
  if (length <= 0.0) return;
  QPen pen = ShapePen(Look(), 1.0);
  if (pen.style() == Qt::NoPen) return;
  // A pen wider than the window covers all of it; no need to stroke more.
  const double widest = 2.0 * (width() + height()) + 2.0;
  pen.setWidthF(std::min<double>(std::max(1, lineWidth), widest));
  const double head = ArrowHeadSize(lineWidth);
  const bool startArrow = startCap_ == lc_Arrow;
  const bool endArrow = endCap_ == lc_Arrow;
  // The body stops halfway into each head, where the head is still wider
  // than the pen, so its square end never shows beside the head.
  const double cutStart = startArrow ? head / 2 : 0.0;
  const double cutEnd = endArrow ? head / 2 : 0.0;
  // Pixel-aligned geometry (see LineGeometry.h) keeps straight lines crisp
  // with anti-aliasing on.
  painter.setRenderHint(QPainter::Antialiasing, true);
  if (length > cutStart + cutEnd) {
    const QPointF along = (p2 - p1) / length;
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QLineF(p1 + along * cutStart, p2 - along * cutEnd));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(pen.color());
  if (startArrow) painter.drawPolygon(ArrowHead(p1, p2, head));
  if (endArrow) painter.drawPolygon(ArrowHead(p2, p1, head));
}

void TOrvalisLine::PaintLine(QPainter& painter, QPointF offset, double scale) const {
  painter.save();
  painter.translate(offset);
  painter.scale(scale, scale);
  DrawLine(painter);
  painter.restore();
}

void TOrvalisLine::DrawShape(QPainter& painter) {
  painter.save();
  DrawLine(painter);
  painter.restore();
}

bool TOrvalisLine::ApplyKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "X1=") x1_ = key.Number();
  else if (name == "Y1=") y1_ = key.Number();
  else if (name == "X2=") x2_ = key.Number();
  else if (name == "Y2=")
    SetEndPoints(QPoint(x1_.value_or(0), y1_.value_or(0)), QPoint(x2_.value_or(0), key.Number()));
  else if (name == "ENDCAPS=") {
    // Clear bits change nothing.
    const int caps = key.Number();
    if (caps & kStartArrowBit) SetStartCap(lc_Arrow);
    if (caps & kEndArrowBit) SetEndCap(lc_Arrow);
  } else {
    return false;
  }
  return true;
}

}  // namespace orv
