#include <QItemSelection>

#include "container/DocumentValue.h"
#include "objects/input/ListControl.h"
#include "objects/input/ListItemDelegate.h"
#include "objects/input/ListObjects.h"
#include "pages/BackgroundMessages.h"

namespace orv {

TOrvalisListBox::TOrvalisListBox(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisListObject(type, parent, host), list_(new TListControl(this)) {
  list_->setItemDelegate(new TListItemDelegate(ItemLook(), list_));
  AdoptControl(*list_);
  // Selections the object makes itself are no reader's: only the rest
  // writes the variable.
  QObject::connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!ShowingModel()) ReaderChangedSelection();
  });
  QObject::connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
    if (!Closing()) RunEventScript(DblClickAction(), evListDoubleClick);
  });
}

TOrvalisListBox::~TOrvalisListBox() {
  // Before the object is half gone: taking the list down changes its
  // selection.
  QObject::disconnect(list_, nullptr, this, nullptr);
  delete list_;
}

QWidget* TOrvalisListBox::Control() const { return list_; }

QListWidget& TOrvalisListBox::List() const { return *list_; }

bool TOrvalisListBox::ApplyKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "DBLCLICK=") {
    dblClickAction_.SetView(key.Text());
    return true;
  }
  if (name == "MULTISELECT=") {
    SetMultiSelect(key.Yes());
    return true;
  }
  return TOrvalisListObject::ApplyKey(key);
}

void TOrvalisListBox::SetMultiSelect(bool value) {
  if (value == multiSelect_) return;
  multiSelect_ = value;
  {
    TShowing showing(*this);
    list_->setSelectionMode(value ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
  }
  // Down to one: the first of the selected items stays.
  if (!value && SelectedIndex() >= 0) SetItemSelected(SelectedIndex(), true);
}

// --- The list follows the items ----------------------------------------------------

void TOrvalisListBox::ShowItems(TItemChange change, int at) {
  switch (change) {
    case TItemChange::Reset: {
      list_->clear();
      QStringList texts;
      texts.reserve(ItemCount());
      for (const std::string& item : Items()) texts.append(ListItemText(item));
      list_->addItems(texts);
      break;
    }
    case TItemChange::Inserted:
      list_->insertItem(at, ListItemText(Items()[static_cast<std::size_t>(at)]));
      break;
    case TItemChange::Removed:
      delete list_->takeItem(at);
      break;
    case TItemChange::Changed:
      if (QListWidgetItem* item = list_->item(at)) item->setText(ListItemText(Items()[static_cast<std::size_t>(at)]));
      break;
  }
}

void TOrvalisListBox::ShowSelection() {
  QItemSelectionModel* model = list_->selectionModel();
  QItemSelection selection;
  const int count = ItemCount();
  for (int i = 0; i < count; ++i) {
    if (!ItemSelected(i)) continue;
    // One range for each run of selected items.
    int last = i;
    while (last + 1 < count && ItemSelected(last + 1)) ++last;
    selection.select(list_->model()->index(i, 0), list_->model()->index(last, 0));
    i = last;
  }
  model->select(selection, QItemSelectionModel::ClearAndSelect);
  const int first = SelectedIndex();
  if (first >= 0 && !multiSelect_) {
    const QModelIndex index = list_->model()->index(first, 0);
    model->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    list_->scrollTo(index);
  }
}

void TOrvalisListBox::ItemWidthChanged() { list_->RelayoutItems(); }

void TOrvalisListBox::LayoutControl() { list_->setGeometry(ClientArea()); }

void TOrvalisListBox::ReaderChangedSelection() {
  std::vector<char> selected(static_cast<std::size_t>(ItemCount()), 0);
  for (const QModelIndex& index : list_->selectionModel()->selectedIndexes())
    if (index.row() >= 0 && index.row() < ItemCount()) selected[static_cast<std::size_t>(index.row())] = 1;
  TakeReaderSelection(std::move(selected));
}

// --- Notifications --------------------------------------------------------------------

void TOrvalisListBox::RebuildItems() {
  TOrvalisListObject::RebuildItems();
  // Without a variable there is nothing to select from.
  if (!VarName().empty()) SelectFromValue(BoundValue());
}

void TOrvalisListBox::Notify(int message, const std::string& text, const std::string& data) {
  TOrvalisListObject::Notify(message, text, data);
  if (message == kMsgPageShown) {
    if (!VarName().empty()) SelectFromValue(BoundValue());
    list_->viewport()->update();
  } else if (message == kMsgRealign) {
    LayoutControl();
  }
}

}  // namespace orv
