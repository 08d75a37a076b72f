#include "commands/objects/ObjectStacking.h"

#include <algorithm>
#include <vector>

#include "objects/OrvalisObj.h"
#include "objects/OrvalisRepositor.h"
#include "pages/OrvalisBackground.h"

namespace orv {

namespace {

void RestackChild(TOrvalisRepositor& holder, TOrvalisObj& object, bool toFront) {
  std::vector<TOrvalisObj*> order = holder.Children();
  if (std::find(order.begin(), order.end(), &object) == order.end()) return;
  for (TOrvalisObj* child : order) holder.RemoveChild(child);
  if (!toFront) holder.AddChild(&object);
  for (TOrvalisObj* child : order)
    if (child != &object) holder.AddChild(child);
  if (toFront) holder.AddChild(&object);
}

void Restack(TOrvalisObj& object, bool toFront) {
  QWidget* parent = object.parentWidget();
  if (auto* page = dynamic_cast<TOrvalisBackground*>(parent))
    page->RestackObject(&object, toFront);
  else if (auto* holder = dynamic_cast<TOrvalisRepositor*>(parent))
    RestackChild(*holder, object, toFront);
}

}  // namespace

void BringObjectToFront(TOrvalisObj& object) {
  object.raise();
  Restack(object, true);
}

void SendObjectToBack(TOrvalisObj& object) {
  object.lower();
  Restack(object, false);
  // The master page's background is a child of the page it shows on;
  // beneath it the object would vanish.
  if (QWidget* parent = object.parentWidget())
    for (QObject* sibling : parent->children())
      if (auto* master = dynamic_cast<TOrvalisBackground*>(sibling)) master->lower();
}

}  // namespace orv
