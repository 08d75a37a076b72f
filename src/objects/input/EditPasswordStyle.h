#pragma once
// The style of a password field: the application's own, except that every
// character shows as the field's password character, at once, whatever the
// platform's style would use.
#include <QChar>
#include <QProxyStyle>

namespace orv {

class TEditPasswordStyle : public QProxyStyle {
 public:
  explicit TEditPasswordStyle(QChar shown);

  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;

 private:
  QChar shown_;
};

}  // namespace orv
