#pragma once
// The list a list box wraps: no frame, rows of one height (the items' look
// gives their size), no editing or dragging of items. With single
// selection a Ctrl click on the selected item keeps it selected, as list
// boxes do.
#include <QListWidget>

namespace orv {

class TListControl : public QListWidget {
 public:
  explicit TListControl(QWidget* parent);
  // The rows take a new size on the next layout.
  void RelayoutItems() { scheduleDelayedItemsLayout(); }

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
};

}  // namespace orv
