#include "objects/OrvalisRepositor.h"

#include <QResizeEvent>
#include <algorithm>

#include "container/DocumentValue.h"
#include "objects/Docking.h"
#include "pages/BackgroundMessages.h"
#include "pages/ObjectNameIndex.h"

namespace orv {

void TOrvalisRepositor::AddChild(TOrvalisObj* child) {
  if (child == nullptr || std::find(children_.begin(), children_.end(), child) != children_.end()) return;
  children_.push_back(child);
  TObjectNameIndex::ObjectsChanged();
}

void TOrvalisRepositor::RemoveChild(TOrvalisObj* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
  TObjectNameIndex::ObjectsChanged();
}

std::vector<TBackgroundObject*> TOrvalisRepositor::ChildObjects() const {
  return std::vector<TBackgroundObject*>(children_.begin(), children_.end());
}

void TOrvalisRepositor::SetEnabledState(bool value) {
  if (value == EnabledState()) return;
  TOrvalisObj::SetEnabledState(value);
  for (TOrvalisObj* child : children_) child->SetEnabledState(value);
}

void TOrvalisRepositor::Notify(int message, const std::string& text, const std::string& data) {
  if (message == kMsgRealign) Realign();
  TOrvalisObj::Notify(message, text, data);
  // A copy: a child's script may change the list.
  const std::vector<TOrvalisObj*> children = children_;
  for (TOrvalisObj* child : children) child->Notify(message, text, data);
}

void TOrvalisRepositor::ChildrenComplete() {
  std::vector<TOrvalisObj*> order = children_;
  std::stable_sort(order.begin(), order.end(),
                   [](const TOrvalisObj* a, const TOrvalisObj* b) { return a->TabOrder() < b->TabOrder(); });
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TOrvalisRepositor::Realign() { DockChildObjects(*this, ClientArea()); }

TOrvalisGroup::TOrvalisGroup(int type, QWidget* parent, TObjectHost* host) : TOrvalisRepositor(type, parent, host) {
  LockTransparency(true);
}

TOrvalisContainer::TOrvalisContainer(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisRepositor(type, parent, host) {}

void TOrvalisContainer::SetHorzMargin(int value) {
  if (value == horzMargin_) return;
  horzMargin_ = value;
  Realign();
}

void TOrvalisContainer::SetVertMargin(int value) {
  if (value == vertMargin_) return;
  vertMargin_ = value;
  Realign();
}

QRect TOrvalisContainer::ClientArea() const {
  QRect area = TOrvalisObj::ClientArea();
  const int h = std::max(0, horzMargin_);
  const int v = std::max(0, vertMargin_);
  area.adjust(std::min(h, area.width() / 2), std::min(v, area.height() / 2), -std::min(h, area.width() / 2),
              -std::min(v, area.height() / 2));
  return area;
}

bool TOrvalisContainer::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "OBJACTION=") sizeAction_.SetView(key.Text());
  else if (name == "HMARGIN=") SetHorzMargin(key.Number());
  else if (name == "VMARGIN=") SetVertMargin(key.Number());
  else return false;
  return true;
}

void TOrvalisContainer::Notify(int message, const std::string& text, const std::string& data) {
  // The first real resize is told from the size the publication loaded with.
  if (message == kMsgLoaded) {
    recordedSize_ = size();
    loaded_ = true;
  }
  TOrvalisRepositor::Notify(message, text, data);
}

void TOrvalisContainer::resizeEvent(QResizeEvent* event) {
  TOrvalisRepositor::resizeEvent(event);
  Realign();
  for (TOrvalisObj* child : Children()) child->Notify(kMsgRealign, {}, {});
  if (!loaded_ || !EnabledState() || Closing() || size() == recordedSize_) return;
  recordedSize_ = size();
  RunEventScript(sizeAction_.View(), evContainerResize);
}

}  // namespace orv
