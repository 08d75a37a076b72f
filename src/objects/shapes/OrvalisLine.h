#pragma once
// The line: two end points with an optional arrow head at either end. Its
// window is the rectangle the points span, widened for the pen and the
// heads; the points are kept relative to it, so moving the window moves
// the line.
#include <QPoint>
#include <QPointF>
#include <cstdint>
#include <optional>

#include "objects/OrvalisObj.h"

namespace orv {

enum TLineCapTypes : std::uint8_t { lc_None = 0, lc_Arrow = 1 };

class TOrvalisLine : public TOrvalisObj {
 public:
  TOrvalisLine(int type, QWidget* parent, TObjectHost* host);

  // The end points in the parent's coordinates.
  QPoint StartPoint() const { return pos() + start_; }
  QPoint EndPoint() const { return pos() + end_; }
  // Sets both end points (in the parent's coordinates) and places the
  // window around them.
  void SetEndPoints(QPoint start, QPoint end);
  // Puts the line into `rect` (parent coordinates) the way it ran: each end
  // goes to the side of the window it was nearer.
  void FitLineToRect(const QRect& rect);

  int StartCap() const { return startCap_; }
  int EndCap() const { return endCap_; }
  void SetStartCap(int cap);
  void SetEndCap(int cap);
  void SetLineWidth(int value) override;

  // Draws the line with the window's top-left at `offset`, `scale` times
  // its size (printing).
  void PaintLine(QPainter& painter, QPointF offset, double scale) const;
  void DrawShape(QPainter& painter) override;

  bool ApplyKey(const KeyValue& key) override;

 private:
  // Places the window around the current end points again, once they
  // were set.
  void PlaceAgain();
  void DrawLine(QPainter& painter) const;

  QPoint start_, end_;  // relative to the window
  bool placed_ = false;
  std::optional<int> x1_, y1_, x2_;
  int startCap_ = lc_None;
  int endCap_ = lc_None;
};

}  // namespace orv
