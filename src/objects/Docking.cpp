#include "objects/Docking.h"

#include <QWidget>
#include <algorithm>
#include <numeric>

#include "objects/OrvalisObj.h"

namespace orv {

namespace {

// Indices of the items with `anchor`, in the order they are placed.
std::vector<std::size_t> Docked(const std::vector<TDockItem>& items, int anchor) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].Anchor == anchor) order.push_back(i);
  auto key = [&](std::size_t i) {
    const QRect& r = items[i].Rect;
    switch (anchor) {
      case anTop: return r.top();
      case anBottom: return -(r.top() + r.height());  // lowest first
      case anLeft: return r.left();
      case anRight: return -(r.left() + r.width());  // rightmost first
      default: return 0;
    }
  };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
  return order;
}

}  // namespace

void DockItems(const QRect& area, std::vector<TDockItem>& items) {
  int left = area.left();
  int top = area.top();
  int right = area.left() + area.width();
  int bottom = area.top() + area.height();
  auto width = [&] { return std::max(0, right - left); };
  auto height = [&] { return std::max(0, bottom - top); };
  for (const std::size_t i : Docked(items, anTop)) {
    const int h = items[i].Rect.height();
    items[i].Rect = QRect(left, top, width(), h);
    top += h;
  }
  for (const std::size_t i : Docked(items, anBottom)) {
    const int h = items[i].Rect.height();
    bottom -= h;
    items[i].Rect = QRect(left, bottom, width(), h);
  }
  for (const std::size_t i : Docked(items, anLeft)) {
    const int w = items[i].Rect.width();
    items[i].Rect = QRect(left, top, w, height());
    left += w;
  }
  for (const std::size_t i : Docked(items, anRight)) {
    const int w = items[i].Rect.width();
    right -= w;
    items[i].Rect = QRect(right, top, w, height());
  }
  for (const std::size_t i : Docked(items, anFill)) items[i].Rect = QRect(left, top, width(), height());
}

void DockChildObjects(QWidget& parent, const QRect& area) {
  std::vector<TOrvalisObj*> objects;
  std::vector<TDockItem> items;
  for (QObject* child : parent.children()) {
    auto* object = dynamic_cast<TOrvalisObj*>(child);
    if (object == nullptr || object->Anchor() == anNone) continue;
    objects.push_back(object);
    items.push_back({object->Anchor(), object->geometry()});
  }
  if (items.empty()) return;
  DockItems(area, items);
  for (std::size_t i = 0; i < objects.size(); ++i)
    if (objects[i]->geometry() != items[i].Rect) objects[i]->setGeometry(items[i].Rect);
}

}  // namespace orv
