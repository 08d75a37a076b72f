#pragma once
// Docking ("ANCHOR="): a parent places its docked children inside its
// client area, top ones first, then bottom, left, right, and the fill one
// last; each takes its strip from what remains. Undocked children stay
// where they are; hidden ones are passed over.
#include <QRect>
#include <vector>

class QWidget;

namespace orv {

struct TDockItem {
  int Anchor = 0;  // TObjectAnchor
  QRect Rect;      // in: where the child is; out: where it goes
};

// Places the docked items of `items` (in creation order) inside `area`.
void DockItems(const QRect& area, std::vector<TDockItem>& items);

class TOrvalisObj;

// Docks the page objects among `parent`'s child widgets inside `area`.
void DockChildObjects(QWidget& parent, const QRect& area);

}  // namespace orv
