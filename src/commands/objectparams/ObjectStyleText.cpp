#include "commands/objectparams/ObjectStyleText.h"

#include <array>

#include "base/Ansi.h"
#include "base/NumberText.h"

namespace orv {
namespace {

constexpr int kLastFillPattern = 48;
constexpr int kLargestLineWidth = 100;
constexpr int kLastLineStyle = 6;
constexpr int kDefaultCharset = 1;
constexpr std::int64_t kLargestFontSize = 1000;

// A whole number within [low, high]; nothing otherwise.
std::optional<int> ReadNumberWithin(std::string_view text, char decimalSymbol, int low, int high) {
  const auto number = ReadWholeNumber(text, decimalSymbol);
  if (!number || *number < low || *number > high) return std::nullopt;
  return static_cast<int>(*number);
}

struct NamedCharset {
  std::string_view Name;
  int Number;
};

constexpr std::array<NamedCharset, 18> kCharsetNames{{
    {"ANSI_CHARSET", 0},
    {"DEFAULT_CHARSET", 1},
    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128},
    {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},
    {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},
    {"TURKISH_CHARSET", 162},
    {"HEBREW_CHARSET", 177},
    {"ARABIC_CHARSET", 178},
    {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},
    {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
}};

}  // namespace

std::optional<int> ReadFillPattern(std::string_view text, char decimalSymbol) {
  if (AnsiSameText(text, "Solid")) return 0;
  if (AnsiSameText(text, "Hollow")) return 1;
  return ReadNumberWithin(text, decimalSymbol, 0, kLastFillPattern);
}

std::optional<int> ReadLineWidth(std::string_view text, char decimalSymbol) {
  const std::int64_t width = NumberParam(text, decimalSymbol, 0);
  if (width < 0 || width > kLargestLineWidth) return std::nullopt;
  return static_cast<int>(width);
}

std::optional<int> ReadLineStyle(std::string_view text, char decimalSymbol) {
  return ReadNumberWithin(text, decimalSymbol, 0, kLastLineStyle);
}

bool LineStyleForcesWidthOne(int style) { return style >= 1 && style <= 4; }

FontStyleWords ReadFontStyle(std::string_view text) {
  FontStyleWords style;
  style.Bold = HasOptionWord(text, "BOLD");
  style.Italic = HasOptionWord(text, "ITALIC");
  style.Underline = HasOptionWord(text, "UNDERLINE");
  style.StrikeOut = HasOptionWord(text, "STRIKEOUT");
  return style;
}

int ReadCharset(std::string_view text, char decimalSymbol) {
  for (const NamedCharset& entry : kCharsetNames)
    if (AnsiSameText(entry.Name, text)) return entry.Number;
  return ReadNumberWithin(text, decimalSymbol, 0, 255).value_or(kDefaultCharset);
}

int ClampFontSize(std::int64_t points) {
  if (points > kLargestFontSize) return static_cast<int>(kLargestFontSize);
  if (points < 0) return 0;
  return static_cast<int>(points);
}

}  // namespace orv
