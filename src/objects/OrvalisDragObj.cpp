#include "objects/OrvalisDragObj.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "app/CursorSlots.h"
#include "base/Ansi.h"
#include "container/DocumentValue.h"
#include "objects/DragImage.h"
#include "objects/ObjectHost.h"
#include "objects/OrvalisRepositor.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "script/Engine.h"

namespace orv {

namespace {

// The mouse must travel this far from the press before a drag starts.
constexpr int kDragThreshold = 3;

std::vector<std::string_view> SplitNames(std::string_view text) {
  std::vector<std::string_view> names;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t bar = text.find('|', start);
    const std::size_t end = bar == std::string_view::npos ? text.size() : bar;
    names.push_back(text.substr(start, end - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return names;
}

// A whole number, or nothing for any other text.
bool ReadWhole(std::string_view text, int& value) {
  const std::string s(text);
  if (s.empty()) return false;
  char* end = nullptr;
  const long long number = std::strtoll(s.c_str(), &end, 10);
  if (end == s.c_str() || *end != '\0') return false;
  value = static_cast<int>(std::clamp<long long>(number, -kLargestCoordinate, kLargestCoordinate));
  return true;
}

}  // namespace

TOrvalisDragObj* TOrvalisDragObj::dragging_ = nullptr;

TOrvalisDragObj::~TOrvalisDragObj() {
  if (dragging_ == this) {
    dragging_ = nullptr;
    if (Host() != nullptr && image_ != nullptr) QApplication::restoreOverrideCursor();
  }
  delete image_.data();
}

void TOrvalisDragObj::DropImage() {
  TDragImage* image = image_.data();
  image_.clear();
  if (image == nullptr) return;
  // Often called from the picture's own event handler: it goes once that
  // has returned.
  image->releaseMouse();
  image->hide();
  image->deleteLater();
}

void TOrvalisDragObj::CancelDrag() {
  if (image_ == nullptr) return;
  if (Host() != nullptr) QApplication::restoreOverrideCursor();
  if (dragging_ == this) dragging_ = nullptr;
  DropImage();
  pressed_ = false;
  if ((dragMode_ & dmHideWhileDragging) && isHidden() == VisibleState()) setVisible(VisibleState());
}

void TOrvalisDragObj::Notify(int message, const std::string& text, const std::string& data) {
  if (message == kMsgPageLeaving) CancelDrag();
  TOrvalisObj::Notify(message, text, data);
}

void TOrvalisDragObj::ShowDragImage(bool shown) {
  if (dragging_ != nullptr && dragging_->image_ != nullptr) dragging_->image_->setVisible(shown);
}

void TOrvalisDragObj::SetDragMode(int value) {
  dragMode_ = value & 0xFF;
  UpdateCursor();
}

bool TOrvalisDragObj::ApplyDragKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "DRAGMODE=") SetDragMode(key.Number());
  else if (name == "DROPACTION=") dropAction_.SetView(key.Text());
  else if (name == "DROPTARGET=") dropTargets_.SetView(key.Text());
  else return false;
  return true;
}

int TOrvalisDragObj::CursorSlot() const {
  if (!clickAction_.Empty()) return csHotSpot;
  if (dragMode_ & (dmFree | dmToTarget)) return csDrag;
  return csGeneral;
}

QRect TOrvalisDragObj::ClampRange(QSize parent, QSize size, QPoint hotSpot) {
  const int spanX = std::max(0, parent.width() - size.width());
  const int spanY = std::max(0, parent.height() - size.height());
  return QRect(hotSpot.x(), hotSpot.y(), spanX + 1, spanY + 1);
}

void TOrvalisDragObj::mousePressEvent(QMouseEvent* event) {
  TOrvalisObj::mousePressEvent(event);
  dragAllowed_ = false;
  if (event->button() == Qt::LeftButton && (dragMode_ & (dmFree | dmToTarget)) && !dropping_) {
    pressPoint_ = event->position().toPoint();
    dragAllowed_ = true;
  }
}

void TOrvalisDragObj::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint local = event->position().toPoint();
  if (image_ == nullptr && dragAllowed_ &&
      (std::abs(local.x() - pressPoint_.x()) >= kDragThreshold ||
       std::abs(local.y() - pressPoint_.y()) >= kDragThreshold))
    StartDrag(local);
}

void TOrvalisDragObj::mouseReleaseEvent(QMouseEvent* event) {
  dragAllowed_ = false;
  TOrvalisObj::mouseReleaseEvent(event);
}

QPoint TOrvalisDragObj::ParentPoint(QPoint global) const {
  const QWidget* parent = parentWidget();
  return parent != nullptr ? parent->mapFromGlobal(global) : global;
}

void TOrvalisDragObj::StartDrag(QPoint local) {
  dragAllowed_ = false;
  TOrvalisBackground* page = PageBackground();
  QWidget* parent = parentWidget();
  if (page == nullptr || parent == nullptr || width() <= 0 || height() <= 0) return;
  QImage picture(size(), QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    painter.translate(-pos());
    PaintTo(painter);
  }
  if (picture.isNull()) return;  // no image: no drag, the release is a click
  // The point pressed stays under the mouse: the travel before the drag
  // started is not lost.
  hotSpot_ = pressPoint_;
  clamp_ = ClampRange(parent->size(), size(), hotSpot_);
  image_ = new TDragImage(page, picture);
  image_->OnMove = [this](QPoint global) { MoveImage(global); };
  image_->OnRelease = [this](QPoint global, Qt::MouseButton button) { EndDrag(global, button); };
  dragging_ = this;
  MoveImage(mapToGlobal(local));
  if (Host() != nullptr) QApplication::setOverrideCursor(Host()->Cursor(csDrag));
  if (dragMode_ & dmHideWhileDragging) {
    if (Host() != nullptr)
      Host()->ShowObjectWindow(*this, false);
    else
      hide();
  }
}

void TOrvalisDragObj::MoveImage(QPoint global) {
  if (image_ == nullptr) return;
  QPoint point = ParentPoint(global);
  point.setX(std::clamp(point.x(), clamp_.left(), clamp_.right()));
  point.setY(std::clamp(point.y(), clamp_.top(), clamp_.bottom()));
  const QPoint topLeft = point - hotSpot_;
  image_->move(parentWidget()->mapTo(image_->parentWidget(), topLeft));
}

void TOrvalisDragObj::EndDrag(QPoint global, Qt::MouseButton) {
  if (image_ == nullptr) return;
  if (Host() != nullptr) QApplication::restoreOverrideCursor();
  dropping_ = true;
  dragging_ = nullptr;
  QPoint point = ParentPoint(global);
  point.setX(std::clamp(point.x(), clamp_.left(), clamp_.right()));
  point.setY(std::clamp(point.y(), clamp_.top(), clamp_.bottom()));
  DropImage();
  pressed_ = false;
  Drop(point - hotSpot_);
  dropping_ = false;
}

TOrvalisObj* TOrvalisDragObj::ObjectUnder(QPoint pagePoint) const {
  TOrvalisBackground* page = PageBackground();
  if (page == nullptr) return nullptr;
  TOrvalisObj* found = nullptr;
  // The last match is the one drawn on top.
  std::function<void(const std::vector<TBackgroundObject*>&)> visit = [&](const auto& objects) {
    for (TBackgroundObject* candidate : objects) {
      auto* object = dynamic_cast<TOrvalisObj*>(candidate);
      if (object == nullptr || object == this || object->isHidden()) continue;
      if (QRect(object->PagePosition(), object->size()).contains(pagePoint)) found = object;
      visit(object->ChildObjects());
    }
  };
  visit(page->Objects());
  return found;
}

void TOrvalisDragObj::Drop(QPoint topLeft) {
  TOrvalisBackground* page = PageBackground();
  const QPoint parentOnPage = PagePosition() - pos();
  bool accepted = false;
  TOrvalisObj* target = nullptr;
  if ((dragMode_ & dmToTarget) && !dropTargets_.Empty() && page != nullptr) {
    long long bestArea = 0;
    QRect area;
    // Every target is measured against the place the object was let go.
    const QRect dropped(topLeft, size());
    for (const std::string_view name : SplitNames(dropTargets_.View())) {
      // An empty name in the list names nothing.
      if (name.empty()) continue;
      auto* candidate = dynamic_cast<TOrvalisObj*>(page->FindObjectOnPage(name));
      if (candidate == nullptr || candidate == this) continue;
      const QRect candidateArea(candidate->PagePosition() - parentOnPage, candidate->size());
      const QRect overlap = candidateArea.intersected(dropped);
      const long long overlapArea = overlap.isEmpty() ? 0 : 1LL * overlap.width() * overlap.height();
      if (overlapArea <= bestArea) continue;
      bestArea = overlapArea;
      target = candidate;
      area = candidateArea;
    }
    if (target != nullptr) {
      if (topLeft.x() < area.left())
        topLeft.setX(area.left());
      else if (topLeft.x() + width() > area.left() + area.width())
        topLeft.setX(area.left() + area.width() - width());
      if (topLeft.y() < area.top())
        topLeft.setY(area.top());
      else if (topLeft.y() + height() > area.top() + area.height())
        topLeft.setY(area.top() + area.height() - height());
    }
    accepted = target != nullptr;
  } else {
    accepted = true;
    target = ObjectUnder(topLeft + hotSpot_ + parentOnPage);
  }

  if (!dropAction_.Empty() && Host() != nullptr) {
    TVars& vars = Host()->Engine().Vars();
    vars.SetVar("[DropAccept]", accepted ? "True" : "False");
    vars.SetVar("[DropX]", std::to_string(topLeft.x()));
    vars.SetVar("[DropY]", std::to_string(topLeft.y()));
    if (target != nullptr) vars.SetVar("[DropTarget]", target->ObjectName());
    RunEventScriptAtOnce(dropAction_.View(), evDropped, roNoPageChange);
    accepted = AnsiSameText(vars.GetVar("[DropAccept]"), "TRUE");
    int x = topLeft.x();
    int y = topLeft.y();
    if (ReadWhole(vars.GetVar("[DropX]"), x)) topLeft.setX(x);
    if (ReadWhole(vars.GetVar("[DropY]"), y)) topLeft.setY(y);
    vars.SetVar("[DropAccept]", "");
    vars.SetVar("[DropX]", "");
    vars.SetVar("[DropY]", "");
    if (target != nullptr) vars.SetVar("[DropTarget]", "");
  }

  const bool hideWhileDragging = (dragMode_ & dmHideWhileDragging) != 0;
  if (hideWhileDragging && isHidden() == VisibleState()) {
    // Back in place, neither moved nor sized.
    if (Host() != nullptr)
      Host()->ShowObjectWindow(*this, VisibleState());
    else
      setVisible(VisibleState());
  }
  auto place = [this](QPoint where) {
    if (Host() != nullptr)
      Host()->MoveObject(*this, QRect(where, size()));
    else
      QWidget::move(where);
  };
  if (accepted) {
    if (dragMode_ & dmToFront) BringToFront();
    place(topLeft);
  } else if (!hideWhileDragging) {
    place(pos());
  }
}

void TOrvalisDragObj::BringToFront() {
  raise();
  if (auto* holder = dynamic_cast<TOrvalisRepositor*>(parentWidget())) {
    holder->RemoveChild(this);
    holder->AddChild(this);
  } else if (auto* page = dynamic_cast<TOrvalisBackground*>(parentWidget())) {
    page->RemoveObject(this);
    page->AddObject(this);
  }
}

}  // namespace orv
