#include <algorithm>

#include "objects/input/ComboControl.h"
#include "objects/input/ListObjects.h"

namespace orv {

TOrvalisComboBox::TOrvalisComboBox(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisListObject(type, parent, host), combo_(new TComboControl(ItemLook(), this)) {
  AdoptControl(*combo_);
  // Qt reports a choice only the reader made here, the one already shown
  // included.
  QObject::connect(combo_, &QComboBox::activated, this, [this](int index) { TakeReaderChoice(index); });
}

TOrvalisComboBox::~TOrvalisComboBox() {
  QObject::disconnect(combo_, nullptr, this, nullptr);
  delete combo_;
}

QWidget* TOrvalisComboBox::Control() const { return combo_; }

QComboBox& TOrvalisComboBox::Combo() const { return *combo_; }

void TOrvalisComboBox::ShowItems(TItemChange change, int at) {
  switch (change) {
    case TItemChange::Reset: {
      combo_->clear();
      QStringList texts;
      texts.reserve(ItemCount());
      for (const std::string& item : Items()) texts.append(ListItemText(item));
      combo_->addItems(texts);
      break;
    }
    case TItemChange::Inserted:
      combo_->insertItem(at, ListItemText(Items()[static_cast<std::size_t>(at)]));
      break;
    case TItemChange::Removed:
      combo_->removeItem(at);
      break;
    case TItemChange::Changed:
      combo_->setItemText(at, ListItemText(Items()[static_cast<std::size_t>(at)]));
      break;
  }
}

// Qt picks an item of its own as items come and go (the first added to an
// empty box, a neighbour of one removed): the object's selection wins.
void TOrvalisComboBox::ShowSelection() { combo_->setCurrentIndex(SelectedIndex()); }

void TOrvalisComboBox::LayoutControl() {
  // The object is as high as the box and its outline, whatever it is
  // given.
  const int line = std::clamp(LineWidth(), 0, kLargestCoordinate / 4);
  const int height = combo_->sizeHint().height();
  combo_->setGeometry(line, line, std::max(0, width() - 2 * line), height);
  if (this->height() != height + 2 * line) resize(width(), height + 2 * line);
}

}  // namespace orv
