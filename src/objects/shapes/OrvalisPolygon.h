#pragma once
// The polygon: a filled and outlined shape through a list of points, or
// the outline of a picture's opaque pixels, optionally showing the picture
// inside. It can be dragged and dropped. Only its shape takes the mouse:
// clicks elsewhere in its rectangle go to what lies beneath, and entering
// and leaving follow the shape.
#include <QPolygonF>
#include <QPoint>
#include <QPointF>
#include <QRegion>
#include <string>
#include <string_view>
#include <vector>

#include "objects/OrvalisDragObj.h"

namespace orv {

class TOrvalisPolygon : public TOrvalisDragObj {
 public:
  TOrvalisPolygon(int type, QWidget* parent, TObjectHost* host);

  std::string_view ImageFile() const { return imageFile_.View(); }
  void SetImageFile(std::string_view name);
  // Whether the picture could be read, as of the last look at it.
  bool FileExists() const { return fileExists_; }
  bool UseImageRgn() const { return useImageRgn_; }
  void SetUseImageRgn(bool value);
  // The shape is the picture's (UseImageRgn and the picture had a region).
  bool ImageRgnOK() const { return imageRgnOK_; }
  ColourValue TransColor() const { return transColor_; }
  void SetTransColor(ColourValue value);
  int Opacity() const { return opacity_; }
  void SetOpacity(int value);  // held within 1 .. 255

  // The "POINTS=" text and the points read from it (relative to the object).
  std::string_view PointsText() const { return pointsText_.View(); }
  const std::vector<QPoint>& Points() const { return points_; }
  void SetPoints(std::string_view text);

  // Builds the shape from the picture or the points, sizes the object to
  // it and lets only the shape take the mouse. Done while the page is on.
  void BuildShape();
  // The shape that takes the mouse; empty while none is built.
  const QRegion& ShapeRegion() const { return shapeRegion_; }

  // Draws the polygon with its top-left at `offset`, `scale` times its
  // size (printing).
  void PaintPolygon(QPainter& painter, QPointF offset, double scale);
  void DrawShape(QPainter& painter) override;

  bool ApplyKey(const KeyValue& key) override;

 protected:
  void PageEntering() override;
  void PageLeaving() override;
  void WatchedVariableChanged(std::string_view bracketName, std::string_view value) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // Rebuilds now while the page is on; otherwise page entering will.
  void ShapeChanged();
  // Prepares the picture's name and looks whether it can be read.
  void RefreshPicture();
  // The points, or the object's rectangle when there are none.
  QPolygonF OutlinePolygon() const;
  // The part of the object `painter` can reach.
  QRectF DrawArea(const QPainter& painter) const;
  // The part of the object its parents leave visible.
  QRect ReachableArea() const;
  // Lets only the shape take the mouse.
  void UpdateMask();
  void DrawPictureShape(QPainter& painter);
  void DrawPointShape(QPainter& painter);
  void FreeShape();

  TObjectText imageFile_;
  TObjectText pointsText_;
  std::vector<QPoint> points_;
  bool useImageRgn_ = false;
  ColourValue transColor_ = kAutoTransparentColour;
  int opacity_ = 255;

  std::string pictureName_;  // ImageFile prepared
  bool fileExists_ = false;
  bool pictureStale_ = true;
  bool entered_ = false;  // the page is on; the shape is kept built
  bool built_ = false;
  bool imageRgnOK_ = false;
  bool maskClipped_ = false;  // part of the object lay outside its parents
  QPolygonF outline_;
  QRegion shapeRegion_;
};

}  // namespace orv
