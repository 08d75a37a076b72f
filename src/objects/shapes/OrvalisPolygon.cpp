#include "objects/shapes/OrvalisPolygon.h"

#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "container/DocumentValue.h"
#include "objects/shapes/PolygonClip.h"
#include "objects/shapes/PolygonPoints.h"
#include "objects/shapes/ShapePaint.h"
#include "pages/PictureCacheRegion.h"
#include "pages/PictureHold.h"

namespace orv {

namespace {

// The points as a polygon, closed back to the first.
QPolygonF PointPolygon(const std::vector<QPoint>& points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const QPoint& point : points) polygon.append(QPointF(point));
  return polygon;
}

// The fillable outline of `polygon` where `area` (object coordinates) can
// show it.
QPainterPath ShapePath(const QPolygonF& polygon, const QRectF& area) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  if (polygon.size() < 3 || area.isEmpty()) return path;
  path.addPolygon(ClipPolygonToRect(polygon, area));
  path.closeSubpath();
  return path;
}

// The pixels of `area` (object coordinates) that the anti-aliased fill of
// `polygon` touches, partly covered edge pixels included: exactly what
// painting the shape shows. The work and the region grow with the area,
// not with the size the points span.
QRegion PolygonRegion(const QPolygonF& polygon, const QRect& area) {
  if (area.isEmpty()) return {};
  const QPainterPath path = ShapePath(polygon, QRectF(area).adjusted(-2, -2, 2, 2));
  if (path.isEmpty()) return {};
  QImage image(area.size(), QImage::Format_RGB32);
  if (image.isNull()) return {};
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.translate(-area.topLeft());
  painter.fillPath(path, Qt::black);
  painter.end();
  const std::optional<QRegion> region = BuildTransparencyRegion(image, RgbColour(255, 255, 255));
  return region ? region->translated(area.topLeft()) : QRegion();
}

// A mask with no pixel of the object in it (an empty region would mean no
// mask at all, the whole rectangle).
QRegion NoPixels() { return QRegion(-1, -1, 1, 1); }

int CeilSize(double value) { return static_cast<int>(std::ceil(std::clamp(value, 0.0, 1e9))); }

}  // namespace

TOrvalisPolygon::TOrvalisPolygon(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisDragObj(type, parent, host) {
  LockTransparency(true);
}

// --- Properties --------------------------------------------------------------

void TOrvalisPolygon::SetImageFile(std::string_view name) {
  if (name == imageFile_.View()) return;
  imageFile_.Set(name);
  WatchTextVariables({imageFile_.View()});
  pictureStale_ = true;
  if (useImageRgn_)
    ShapeChanged();
  else
    Repaint();
}

void TOrvalisPolygon::SetUseImageRgn(bool value) {
  if (value == useImageRgn_) return;
  useImageRgn_ = value;
  ShapeChanged();
}

void TOrvalisPolygon::SetTransColor(ColourValue value) {
  if (value == transColor_) return;
  transColor_ = value;
  if (useImageRgn_)
    ShapeChanged();
  else
    Repaint();
}

void TOrvalisPolygon::SetOpacity(int value) {
  value = std::clamp(value, 1, 255);
  if (value == opacity_) return;
  opacity_ = value;
  Repaint();
}

void TOrvalisPolygon::SetPoints(std::string_view text) {
  pointsText_.Set(text);
  points_ = ParsePolygonPoints(text);
  ShapeChanged();
}

bool TOrvalisPolygon::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key) || ApplyHintKey(key) || ApplyDragKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") {
    imageFile_.SetView(key.Text());
    WatchTextVariables({imageFile_.View()});
    pictureStale_ = true;
  } else if (name == "OBJACTION=") {
    clickAction_.SetView(key.Text());
    UpdateCursor();
  } else if (name == "OBJRACTION=") {
    rClickAction_.SetView(key.Text());
  } else if (name == "PICTSTYLE=") {
    SetUseImageRgn(key.Number() == 1);
  } else if (name == "PICTTRANSCOLOR=") {
    SetTransColor(static_cast<ColourValue>(key.Number()));
  } else if (name == "OPACITYEX=") {
    SetOpacity(key.Number());
  } else if (name == "POINTS=") {
    pointsText_.SetView(key.Text());
    points_ = ParsePolygonPoints(key.Text());
    ShapeChanged();
  } else {
    return false;
  }
  return true;
}

// --- Shape ---------------------------------------------------------------------

void TOrvalisPolygon::ShapeChanged() {
  if (entered_)
    BuildShape();
  else
    Repaint();
}

void TOrvalisPolygon::RefreshPicture() {
  pictureName_ = PrepareFileName(imageFile_.View());
  fileExists_ = false;
  if (!pictureName_.empty()) {
    const TPictureHold hold(PictureCache(), pictureName_);
    fileExists_ = static_cast<bool>(hold);
  }
  pictureStale_ = false;
}

QPolygonF TOrvalisPolygon::OutlinePolygon() const {
  return PointPolygon(points_.empty() ? RectanglePoints(size()) : points_);
}

QRectF TOrvalisPolygon::DrawArea(const QPainter& painter) const {
  QRectF area = ReachableArea();
  if (const QPaintDevice* device = painter.device()) {
    bool invertible = false;
    const QTransform back = painter.worldTransform().inverted(&invertible);
    if (invertible) area &= back.mapRect(QRectF(0, 0, device->width(), device->height()));
  }
  return area;
}

void TOrvalisPolygon::FreeShape() {
  outline_ = QPolygonF();
  shapeRegion_ = QRegion();
  imageRgnOK_ = false;
  maskClipped_ = false;
  built_ = false;
}

void TOrvalisPolygon::BuildShape() {
  // Nothing half-built is painted meanwhile.
  const bool updates = updatesEnabled();
  setUpdatesEnabled(false);
  FreeShape();
  if (useImageRgn_) {
    RefreshPicture();
    if (transColor_ == kNoTransparentColour) transColor_ = kAutoTransparentColour;
    if (fileExists_) {
      const TPictureHold hold(PictureCache(), pictureName_, transColor_);
      if (hold && hold.Region() && !hold.Region()->isEmpty()) {
        SetDocumentGeometry(x(), y(), hold.Picture()->ImageWidth(), hold.Picture()->ImageHeight());
        points_.clear();
        pointsText_.Set({});
        shapeRegion_ = *hold.Region();
        imageRgnOK_ = true;
      }
    }
  }
  if (!imageRgnOK_) {
    outline_ = OutlinePolygon();
    const QRectF bounds = outline_.boundingRect();
    SetDocumentGeometry(x(), y(), CeilSize(bounds.width()), CeilSize(bounds.height()));
  }
  built_ = true;
  UpdateMask();
  setUpdatesEnabled(updates);
  Repaint();
}

QRect TOrvalisPolygon::ReachableArea() const {
  QRect area = rect();
  for (const QWidget* outer = parentWidget(); outer != nullptr; outer = outer->parentWidget())
    area &= QRect(mapFrom(outer, QPoint(0, 0)), outer->size());
  return area;
}

void TOrvalisPolygon::UpdateMask() {
  if (!imageRgnOK_) {
    // Only what the page can show can be hit; the rest waits for a move
    // to bring it in.
    const QRect area = ReachableArea();
    maskClipped_ = area != rect();
    shapeRegion_ = PolygonRegion(outline_, area);
  }
  setMask(shapeRegion_.isEmpty() ? NoPixels() : shapeRegion_);
}

void TOrvalisPolygon::moveEvent(QMoveEvent* event) {
  TOrvalisDragObj::moveEvent(event);
  if (built_ && maskClipped_) UpdateMask();
}

void TOrvalisPolygon::PageEntering() {
  entered_ = true;
  // A name with variables may name another picture by now.
  pictureStale_ = true;
  BuildShape();
}

void TOrvalisPolygon::PageLeaving() {
  entered_ = false;
  FreeShape();
  clearMask();
}

void TOrvalisPolygon::WatchedVariableChanged(std::string_view, std::string_view) {
  pictureStale_ = true;
  if (useImageRgn_)
    ShapeChanged();
  else
    Repaint();
}

// --- Mouse ---------------------------------------------------------------------

void TOrvalisPolygon::enterEvent(QEnterEvent* event) {
  // The drag's picture holds the mouse; passing over the object meanwhile
  // is no visit.
  if (Dragging()) {
    QWidget::enterEvent(event);
    return;
  }
  TOrvalisDragObj::enterEvent(event);
}

void TOrvalisPolygon::leaveEvent(QEvent* event) {
  if (Dragging()) {
    QWidget::leaveEvent(event);
    return;
  }
  TOrvalisDragObj::leaveEvent(event);
}

// --- Painting ------------------------------------------------------------------

void TOrvalisPolygon::DrawPictureShape(QPainter& painter) {
  const TPictureHold hold(PictureCache(), pictureName_, transColor_);
  if (hold) {
    painter.save();
    painter.setClipRegion(shapeRegion_, Qt::IntersectClip);
    hold.Picture()->DrawAt(painter, opacity_, QPoint(0, 0));
    painter.restore();
  }
  if (!HasOutline(Look())) return;
  const QColor line = ResolveColour(LineColor());
  if (!line.isValid()) return;
  for (const QRect& band : RegionFrame(shapeRegion_, LineWidth())) painter.fillRect(band, line);
}

void TOrvalisPolygon::DrawPointShape(QPainter& painter) {
  // Cut to what can show, with room beyond it for the outline: the cut
  // runs along the margin, where its outline is not seen.
  const double margin = std::min(LineWidth(), 1 << 16) + 2.0;
  const QRectF area = DrawArea(painter).adjusted(-margin, -margin, margin, margin);
  const QPainterPath path = ShapePath(built_ ? outline_ : OutlinePolygon(), area);
  if (path.isEmpty()) return;
  painter.setRenderHint(QPainter::Antialiasing, true);
  FillShapePath(painter, path, Look(), PagePosition());
  if (fileExists_) {
    const TPictureHold hold(PictureCache(), pictureName_, transColor_);
    if (hold) {
      painter.save();
      painter.setClipPath(path, Qt::IntersectClip);
      if (hold.Region()) painter.setClipRegion(*hold.Region(), Qt::IntersectClip);
      hold.Picture()->DrawAt(painter, opacity_, QPoint(0, 0));
      painter.restore();
    }
  }
  OutlineShapePathInside(painter, path, Look());
}

void TOrvalisPolygon::DrawShape(QPainter& painter) {
  painter.save();
  if (pictureStale_) RefreshPicture();
  if (imageRgnOK_)
    DrawPictureShape(painter);
  else
    DrawPointShape(painter);
  painter.restore();
}

void TOrvalisPolygon::PaintPolygon(QPainter& painter, QPointF offset, double scale) {
  painter.save();
  painter.translate(offset);
  painter.scale(scale, scale);
  DrawShape(painter);
  painter.restore();
}

}  // namespace orv
