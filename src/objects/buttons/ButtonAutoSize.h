#pragma once
// The size a check box or radio button takes when it sizes itself to its
// caption: room for the 13-pixel box, the gap and the caption.
#include <QFont>
#include <QSize>
#include <QString>

namespace orv {

// `caption` as prepared for showing; `alignment` 2 stacks box and caption.
QSize AutoSizeFor(const QFont& font, const QString& caption, int alignment);

}  // namespace orv
