#include "objects/input/EditPasswordStyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace orv {

namespace {

// A style of the application's kind for the proxy to own; the
// application's own instance stays the application's.
QStyle* ApplicationStyleCopy() {
  QStyle* copy = QStyleFactory::create(QApplication::style()->name());
  return copy != nullptr ? copy : QStyleFactory::create(QStringLiteral("Fusion"));
}

}  // namespace

TEditPasswordStyle::TEditPasswordStyle(QChar shown) : QProxyStyle(ApplicationStyleCopy()), shown_(shown) {}

int TEditPasswordStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
  if (hint == SH_LineEdit_PasswordCharacter) return shown_.unicode();
  // No last character shown in the clear for a moment.
  if (hint == SH_LineEdit_PasswordMaskDelay) return 0;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace orv
