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
  ApplyFontStyle(font.Style, result);
  return result;
}

void ApplyFontStyle(int style, QFont& font) {
  font.setBold(style & kFontBold);
  font.setItalic(style & kFontItalic);
  font.setUnderline(style & kFontUnderline);
  font.setStrikeOut(style & kFontStrikeOut);
}

QColor TextColourOf(const TObjectFont& font) { return ResolveColour(font.Color); }

int TextCodePageOf(const TObjectFont& font) {
  const int codePage = rt::CodePageForCharset(font.CharSet & 0xFF);
  return codePage > 0 ? codePage : rt::kWesternCodePage;
}

}  // namespace orv
