#pragma once
// Draws the items of list and combo boxes. Themed, the application's style
// draws them; otherwise the object's colours do: the selected item in the
// highlight colours, the others on the fill colour in the font colour (grey
// when the box is disabled), the focus rectangle on the focused item when
// the publication shows the focus marquee. Every item is as high as "M" in
// the object's font and as wide as the widest item.
#include <QStyledItemDelegate>

#include "objects/input/ListItemLook.h"

namespace orv {

class TListItemDelegate : public QStyledItemDelegate {
 public:
  // `look` belongs to the object and outlives the delegate, which the
  // control (`parent`) owns.
  TListItemDelegate(const TListItemLook& look, QObject* parent) : QStyledItemDelegate(parent), look_(look) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  const TListItemLook& look_;
};

// One item drawn in the object's colours into `rect` (also the closed combo
// box's shown item).
void DrawClassicListItem(QPainter& painter, const QRect& rect, const QString& text, const TListItemLook& look,
                         bool selected, bool enabled, bool focused);

}  // namespace orv
