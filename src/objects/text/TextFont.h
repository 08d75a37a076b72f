#pragma once
// An object's font as rich text takes it: the document's default font and
// the font applied to a whole text, in points, and the code page its
// character set gives plain text.
#include <QColor>
#include <QFont>

namespace orv {

struct TObjectFont;

QFont TextFontOf(const TObjectFont& font);
// Bold, italic, underline and strike-out as the object's style bits say.
void ApplyFontStyle(int style, QFont& font);
QColor TextColourOf(const TObjectFont& font);
// The code page of the font's character set; 1252 where it names none.
int TextCodePageOf(const TObjectFont& font);

}  // namespace orv
