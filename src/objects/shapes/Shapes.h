#pragma once
// Rectangles, rounded rectangles, ellipses, lines and polygons: their
// properties as the document sets them. Until their own drawing exists
// they show the common frame.
#include <QPoint>
#include <optional>

#include "objects/OrvalisDragObj.h"

namespace orv {

class TOrvalisRect : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;
  bool IsRectObject() const override { return true; }
};

class TOrvalisRoundRect : public TOrvalisObj {
 public:
  TOrvalisRoundRect(int type, QWidget* parent, TObjectHost* host);
};

class TOrvalisCircle : public TOrvalisObj {
 public:
  TOrvalisCircle(int type, QWidget* parent, TObjectHost* host);
};

enum TLineCap : std::uint8_t { lc_None = 0, lc_Arrow = 1 };

class TOrvalisLine : public TOrvalisObj {
 public:
  TOrvalisLine(int type, QWidget* parent, TObjectHost* host);

  // The end points in the parent's coordinates.
  QPoint StartPoint() const { return pos() + start_; }
  QPoint EndPoint() const { return pos() + end_; }
  // Sets both end points (in the parent's coordinates); the object's
  // window spans them.
  void SetPoints(QPoint start, QPoint end);
  int StartCap() const { return startCap_; }
  int EndCap() const { return endCap_; }

  bool ApplyKey(const KeyValue& key) override;

 private:
  QPoint start_, end_;  // relative to the window
  std::optional<int> x1_, y1_, x2_;
  int startCap_ = lc_None;
  int endCap_ = lc_None;
};

class TOrvalisPolygon : public TOrvalisDragObj {
 public:
  TOrvalisPolygon(int type, QWidget* parent, TObjectHost* host);

  std::string_view ImageFile() const { return imageFile_.View(); }
  // The "POINTS=" text: count, then x,y pairs.
  std::string_view PointsText() const { return points_.View(); }
  bool UseImageRgn() const { return useImageRgn_; }
  ColourValue TransColor() const { return transColor_; }
  int Opacity() const { return opacity_; }

  bool ApplyKey(const KeyValue& key) override;

 private:
  TObjectText imageFile_, points_;
  bool useImageRgn_ = false;
  ColourValue transColor_ = kAutoTransparentColour;
  int opacity_ = 255;
};

}  // namespace orv
