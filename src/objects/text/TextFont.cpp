#include "objects/text/TextFont.h"

#include <cstdlib>

#include "base/Ansi.h"
#include "objects/OrvalisObj.h"
#include "pages/Colour.h"
#include "richtext/RtfCodePage.h"

namespace orv {

QFont TextFontOf(const TObjectFont& font) {
  QFont result(QString::fromStdString(AnsiToUtf8(font.Name)));
  result.setPointSize(std::max(1, std::abs(font.Size)));
  result.setBold(font.Style & 1);
  result.setItalic(font.Style & 2);
  result.setUnderline(font.Style & 4);
  result.setStrikeOut(font.Style & 8);
  return result;
}

QColor TextColourOf(const TObjectFont& font) { return ResolveColour(font.Color); }

int TextCodePageOf(const TObjectFont& font) {
  const int codePage = rt::CodePageForCharset(font.CharSet & 0xFF);
  return codePage > 0 ? codePage : rt::kWesternCodePage;
}

}  // namespace orv
