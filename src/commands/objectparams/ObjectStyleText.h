#pragma once
// The fill, line and font words of SetObjectFill, SetObjectLine and
// SetObjectFont.
#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

// "Solid" is 0, "Hollow" 1, otherwise a number 0 to 48; nothing (the
// pattern stays) for anything else.
std::optional<int> ReadFillPattern(std::string_view text, char decimalSymbol);
// A line width 0 to 100, a text that is not a number counting 0; nothing
// (the width stays) when the number is outside that range.
std::optional<int> ReadLineWidth(std::string_view text, char decimalSymbol);
// A line style 0 to 6 (solid, dash, dot, dash-dot, dash-dot-dot, raised,
// sunken); nothing (the style stays) for anything else.
std::optional<int> ReadLineStyle(std::string_view text, char decimalSymbol);
// Styles 1 to 4 are drawn one pixel wide only.
bool LineStyleForcesWidthOne(int style);

struct FontStyleWords {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
};
// "BOLD", "ITALIC", "UNDERLINE", "STRIKEOUT" anywhere in the text, in any
// case and order; an empty text is no style.
FontStyleWords ReadFontStyle(std::string_view text);

// A character-set name ("GREEK_CHARSET" in any case) or number 0 to 255; a
// text that is neither gives 1 (the default set). The caller skips an empty
// text.
int ReadCharset(std::string_view text, char decimalSymbol);

// Font sizes above 1,000 points are 1,000; negative ones 0 (a size below 1
// is not applied).
int ClampFontSize(std::int64_t points);

}  // namespace orv
