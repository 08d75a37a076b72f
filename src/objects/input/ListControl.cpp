#include "objects/input/ListControl.h"

namespace orv {

TListControl::TListControl(QWidget* parent) : QListWidget(parent) {
  setFrameShape(QFrame::NoFrame);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(false);
  setTextElideMode(Qt::ElideNone);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

QItemSelectionModel::SelectionFlags TListControl::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
  if (selectionMode() == QAbstractItemView::SingleSelection && (flags & QItemSelectionModel::Deselect))
    return QItemSelectionModel::NoUpdate;
  return flags;
}

}  // namespace orv
