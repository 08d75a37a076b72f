#include "objects/input/ListItemWidths.h"

#include <QFontMetrics>

#include "base/Ansi.h"

namespace orv {

TAnsiTextWidths::TAnsiTextWidths(const QFont& font) {
  const QFontMetrics metrics(font);
  for (int c = 0; c < 256; ++c)
    advance_[static_cast<std::size_t>(c)] =
        metrics.horizontalAdvance(QChar(static_cast<char16_t>(AnsiCharToUnicode(static_cast<unsigned char>(c)))));
}

int TAnsiTextWidths::Width(std::string_view ansi) const {
  int width = 0;
  for (const char c : ansi) width += advance_[static_cast<unsigned char>(c)];
  return width;
}

}  // namespace orv
