#pragma once
// The combo box a combo box object wraps: always a drop-down list, nothing
// typed. Not themed, the closed box shows its item in the object's colours
// (highlighted while it has the focus), as the open list draws its items.
#include <QComboBox>

#include "objects/input/ListItemLook.h"

namespace orv {

class TComboControl : public QComboBox {
 public:
  // `look` belongs to the object and outlives the control.
  TComboControl(const TListItemLook& look, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TListItemLook& look_;
};

}  // namespace orv
