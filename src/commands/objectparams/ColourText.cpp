#include "commands/objectparams/ColourText.h"

#include <array>

#include "base/Ansi.h"
#include "base/NumberText.h"

namespace orv {
namespace {

struct NamedColour {
  std::string_view Name;
  std::uint32_t Value;
};

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}
// Named system colours keep the whole top byte set, as the objects store them.
constexpr std::uint32_t SystemColour(std::uint32_t index) { return 0xFF000000u | index; }

constexpr std::array<NamedColour, 52> kColourNames{{
    {"clBlack", Rgb(0, 0, 0)},
    {"clMaroon", Rgb(128, 0, 0)},
    {"clGreen", Rgb(0, 128, 0)},
    {"clOlive", Rgb(128, 128, 0)},
    {"clNavy", Rgb(0, 0, 128)},
    {"clPurple", Rgb(128, 0, 128)},
    {"clTeal", Rgb(0, 128, 128)},
    {"clGray", Rgb(128, 128, 128)},
    {"clSilver", Rgb(192, 192, 192)},
    {"clRed", Rgb(255, 0, 0)},
    {"clLime", Rgb(0, 255, 0)},
    {"clYellow", Rgb(255, 255, 0)},
    {"clBlue", Rgb(0, 0, 255)},
    {"clFuchsia", Rgb(255, 0, 255)},
    {"clAqua", Rgb(0, 255, 255)},
    {"clWhite", Rgb(255, 255, 255)},
    {"clMoneyGreen", Rgb(192, 220, 192)},
    {"clSkyBlue", Rgb(166, 202, 240)},
    {"clCream", Rgb(255, 251, 240)},
    {"clMedGray", Rgb(160, 160, 164)},
    {"clScrollBar", SystemColour(0)},
    {"clBackground", SystemColour(1)},
    {"clActiveCaption", SystemColour(2)},
    {"clInactiveCaption", SystemColour(3)},
    {"clMenu", SystemColour(4)},
    {"clWindow", SystemColour(5)},
    {"clWindowFrame", SystemColour(6)},
    {"clMenuText", SystemColour(7)},
    {"clWindowText", SystemColour(8)},
    {"clCaptionText", SystemColour(9)},
    {"clActiveBorder", SystemColour(10)},
    {"clInactiveBorder", SystemColour(11)},
    {"clAppWorkSpace", SystemColour(12)},
    {"clHighlight", SystemColour(13)},
    {"clHighlightText", SystemColour(14)},
    {"clBtnFace", SystemColour(15)},
    {"clBtnShadow", SystemColour(16)},
    {"clGrayText", SystemColour(17)},
    {"clBtnText", SystemColour(18)},
    {"clInactiveCaptionText", SystemColour(19)},
    {"clBtnHighlight", SystemColour(20)},
    {"cl3DDkShadow", SystemColour(21)},
    {"cl3DLight", SystemColour(22)},
    {"clInfoText", SystemColour(23)},
    {"clInfoBk", SystemColour(24)},
    {"clHotLight", SystemColour(26)},
    {"clGradientActiveCaption", SystemColour(27)},
    {"clGradientInactiveCaption", SystemColour(28)},
    {"clMenuHighlight", SystemColour(29)},
    {"clMenuBar", SystemColour(30)},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
}};

bool IsColourName(std::string_view text) {
  const auto first = static_cast<unsigned char>(text.front());
  return first >= 'A' && first <= 'z';
}

// The name is written without its "cl": "Red", "btnface".
std::optional<std::uint32_t> LookUpColourName(std::string_view name) {
  for (const NamedColour& entry : kColourNames) {
    const std::string_view bare = entry.Name.substr(2);
    if (AnsiSameText(bare, name)) return entry.Value;
  }
  return std::nullopt;
}

// "red,green,blue": parts missing at the end count 0, a part present but not
// a whole number (an empty one included) spoils the whole text.
std::optional<std::uint32_t> ReadColourNumbers(std::string_view text, char decimalSymbol) {
  std::uint32_t colour = 0;
  std::size_t start = 0;
  for (int part = 0; part < 3; ++part) {
    const std::size_t comma = text.find(',', start);
    const std::string_view piece = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
    const auto number = ReadWholeNumber(piece, decimalSymbol);
    if (!number) return std::nullopt;
    colour |= (static_cast<std::uint32_t>(*number) & 0xFF) << (8 * part);
    if (comma == std::string_view::npos) return colour;
    start = comma + 1;
  }
  return std::nullopt;  // a fourth part
}

}  // namespace

std::optional<std::uint32_t> ReadColourText(std::string_view text, char decimalSymbol) {
  // Empty is the usual "leave the colour" of a command that changes only its
  // other parameters; read as numbers it would be black.
  if (text.empty()) return std::nullopt;
  if (IsColourName(text)) return LookUpColourName(text);
  return ReadColourNumbers(text, decimalSymbol);
}

}  // namespace orv
