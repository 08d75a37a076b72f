#include "objects/input/ComboControl.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "objects/input/ListItemDelegate.h"

namespace orv {

TComboControl::TComboControl(const TListItemLook& look, QWidget* parent) : QComboBox(parent), look_(look) {
  setEditable(false);
  // The box's height comes from its font alone, however many items it has.
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(0);
  setItemDelegate(new TListItemDelegate(look_, this));
}

void TComboControl::paintEvent(QPaintEvent* event) {
  if (look_.Themed) {
    QComboBox::paintEvent(event);
    return;
  }
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const QString text = option.currentText;
  option.currentText.clear();
  option.currentIcon = QIcon();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  const bool focused = hasFocus() && !view()->isVisible();
  DrawClassicListItem(painter, field, text, look_, focused, isEnabled(), focused);
}

}  // namespace orv
