#pragma once
// TOrvalisDragObj: an object the user may drag, freely or onto drop
// targets, with a script that may accept or refuse the drop and change
// where it lands. Text blocks and polygons are built on it.
#include <QPoint>
#include <QPointer>
#include <QRect>

#include "objects/DragImage.h"
#include "objects/OrvalisObj.h"

namespace orv {


// "DRAGMODE=" bits.
enum : int { dmFree = 1, dmToTarget = 2, dmToFront = 4, dmHideWhileDragging = 8 };

class TOrvalisDragObj : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;
  ~TOrvalisDragObj() override;

  int DragMode() const { return dragMode_; }
  void SetDragMode(int value);
  std::string_view DropAction() const { return dropAction_.View(); }
  void SetDropAction(std::string_view script) { dropAction_.Set(script); }
  std::string_view DropTargets() const { return dropTargets_.View(); }
  void SetDropTargets(std::string_view names) { dropTargets_.Set(names); }
  bool Dragging() const { return image_ != nullptr; }
  // Hides or shows the picture of the drag in progress, if any (around
  // page switches).
  static void ShowDragImage(bool shown);

  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  // A drag does not outlive its page: leaving the page cancels it.
  void Notify(int message, const std::string& text, const std::string& data) override;
  // The drag and drop keys; types call it from their own ApplyKey.
  bool ApplyDragKey(const KeyValue& key);

  // The range a point in parent coordinates is kept in while dragging, for
  // an object of `size` held at `hotSpot` inside a parent of `parent` size.
  // An object larger than its parent keeps to the parent's top-left edge.
  static QRect ClampRange(QSize parent, QSize size, QPoint hotSpot);

 protected:
  int CursorSlot() const override;
  void ScriptsChanged() override { UpdateCursor(); }
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  TObjectText dropAction_;
  TObjectText dropTargets_;

 private:
  void StartDrag(QPoint local);
  void MoveImage(QPoint global);
  void EndDrag(QPoint global, Qt::MouseButton button);
  // Lets go of the picture and the cursor; the object shows again.
  void CancelDrag();
  void DropImage();
  void Drop(QPoint topLeft);
  QPoint ParentPoint(QPoint global) const;
  TOrvalisObj* ObjectUnder(QPoint pagePoint) const;
  void BringToFront();

  int dragMode_ = 0;
  QPoint pressPoint_;
  QPoint hotSpot_;
  QRect clamp_;
  bool dragAllowed_ = false;
  bool dropping_ = false;
  // Owned; also a child of the page, which may go first.
  QPointer<TDragImage> image_;
  static TOrvalisDragObj* dragging_;
};

}  // namespace orv
