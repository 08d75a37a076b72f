#include "objects/buttons/ButtonAutoSize.h"

#include <QFontMetrics>
#include <algorithm>

#include "objects/buttons/ButtonCaption.h"

namespace orv {

namespace {

constexpr int kBoxSize = 13;
// The box and the gap after it.
constexpr int kBoxRoom = 17;
constexpr int kMargin = 3;

}  // namespace

QSize AutoSizeFor(const QFont& font, const QString& caption, int alignment) {
  QSize measured;
  if (caption.isEmpty()) {
    measured = QSize(kBoxSize, QFontMetrics(font).size(0, QStringLiteral("X")).height());
  } else {
    measured = MeasureCaption(font, caption);
    if (alignment == 2)
      measured.rheight() += kBoxRoom;
    else
      measured.rwidth() += kBoxRoom;
  }
  return {std::max(measured.width() + kMargin, kBoxSize), std::max(measured.height() + kMargin, kBoxSize)};
}

}  // namespace orv
