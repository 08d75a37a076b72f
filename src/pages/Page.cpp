#include "pages/Page.h"

#include <QResizeEvent>

#include "base/Ansi.h"
#include "pages/OrvalisBackground.h"

namespace orv {

TOVPage::TOVPage(std::string_view name, QWidget* parent)
    : QWidget(parent), background_(new TOrvalisBackground(this)) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  SetName(name);
  background_->setGeometry(rect());
}

void TOVPage::SetName(std::string_view name) {
  name_ = name;
  setWindowTitle(QString::fromUtf8(AnsiToUtf8(name_)));
}

void TOVPage::resizeEvent(QResizeEvent* event) {
  background_->setGeometry(QRect(QPoint(0, 0), event->size()));
  QWidget::resizeEvent(event);
}

}  // namespace orv
