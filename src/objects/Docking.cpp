#include "objects/Docking.h"

#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <numeric>

#include "objects/OrvalisObj.h"

namespace orv {

namespace {

// Indices of the items with `anchor`, in the order they are placed.
std::vector<std::size_t> Docked(const std::vector<TDockItem>& items, int anchor) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].Anchor == anchor) order.push_back(i);
  auto key = [&](std::size_t i) -> std::int64_t {
    const QRect& r = items[i].Rect;
    switch (anchor) {
      case anTop: return r.top();
      case anBottom: return -(std::int64_t{r.top()} + r.height());  // lowest first
      case anLeft: return r.left();
      case anRight: return -(std::int64_t{r.left()} + r.width());  // rightmost first
      default: return 0;
    }
  };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
  return order;
}

// Strips are worked out in 64 bits and placed where a widget may be.
QRect PlacedRect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
  auto place = [](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -kLargestCoordinate, kLargestCoordinate));
  };
  auto size = [](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, kLargestCoordinate)); };
  return QRect(place(x), place(y), size(w), size(h));
}

}  // namespace

void DockItems(const QRect& area, std::vector<TDockItem>& items) {
  std::int64_t left = area.left();
  std::int64_t top = area.top();
  std::int64_t right = left + area.width();
  std::int64_t bottom = top + area.height();
  auto width = [&] { return std::max<std::int64_t>(0, right - left); };
  auto height = [&] { return std::max<std::int64_t>(0, bottom - top); };
  for (const std::size_t i : Docked(items, anTop)) {
    const std::int64_t h = items[i].Rect.height();
    items[i].Rect = PlacedRect(left, top, width(), h);
    top += h;
  }
  for (const std::size_t i : Docked(items, anBottom)) {
    const std::int64_t h = items[i].Rect.height();
    bottom -= h;
    items[i].Rect = PlacedRect(left, bottom, width(), h);
  }
  for (const std::size_t i : Docked(items, anLeft)) {
    const std::int64_t w = items[i].Rect.width();
    items[i].Rect = PlacedRect(left, top, w, height());
    left += w;
  }
  for (const std::size_t i : Docked(items, anRight)) {
    const std::int64_t w = items[i].Rect.width();
    right -= w;
    items[i].Rect = PlacedRect(right, top, w, height());
  }
  for (const std::size_t i : Docked(items, anFill)) items[i].Rect = PlacedRect(left, top, width(), height());
}

void DockChildObjects(QWidget& parent, const QRect& area) {
  std::vector<TOrvalisObj*> objects;
  std::vector<TDockItem> items;
  for (QObject* child : parent.children()) {
    auto* object = dynamic_cast<TOrvalisObj*>(child);
    // A hidden object leaves its strip to the others.
    if (object == nullptr || object->Anchor() == anNone || !object->VisibleState()) continue;
    objects.push_back(object);
    items.push_back({object->Anchor(), object->geometry()});
  }
  if (items.empty()) return;
  DockItems(area, items);
  for (std::size_t i = 0; i < objects.size(); ++i)
    if (objects[i]->geometry() != items[i].Rect) objects[i]->setGeometry(items[i].Rect);
}

}  // namespace orv
