// Colour texts of the object commands: names and "red,green,blue" numbers.
#include "commands/objectparams/ColourText.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orv {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}
constexpr std::uint32_t System(std::uint32_t index) { return 0xFF000000u | index; }

struct ColourCase {
  const char* text;
  std::optional<std::uint32_t> expected;  // nothing: the colour stays
};

std::ostream& operator<<(std::ostream& out, const ColourCase& c) { return out << '"' << c.text << '"'; }

class ColourTextTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourTextTest, ReadsTheColourOrLeavesIt) {
  EXPECT_EQ(ReadColourText(GetParam().text, '.'), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColourTextTest,
    ::testing::Values(
        // Names: "cl" put in front, any case.
        ColourCase{"btnface", System(15)}, ColourCase{"Red", Rgb(255, 0, 0)}, ColourCase{"RED", Rgb(255, 0, 0)},
        ColourCase{"Aqua", Rgb(0, 255, 255)}, ColourCase{"SkyBlue", Rgb(166, 202, 240)},
        ColourCase{"MedGray", Rgb(160, 160, 164)}, ColourCase{"3DDkShadow", std::nullopt},
        ColourCase{"HotLight", System(26)}, ColourCase{"MenuBar", System(30)},
        ColourCase{"None", 0x1FFFFFFFu}, ColourCase{"default", 0x20000000u},
        // The prefix is always added, so a name written with it is not found.
        ColourCase{"clNone", std::nullopt}, ColourCase{"clBtnFace", std::nullopt},
        ColourCase{"Nope", std::nullopt}, ColourCase{"Red ", std::nullopt},
        // Between 'A' and 'z' in code order, so a name though not a letter.
        ColourCase{"_Red", std::nullopt}, ColourCase{"[0,0,0", std::nullopt},
        // Numbers: missing parts at the end count 0, low 8 bits kept.
        ColourCase{"255,0", Rgb(255, 0, 0)}, ColourCase{"0,0,255", Rgb(0, 0, 255)},
        ColourCase{"12", Rgb(12, 0, 0)}, ColourCase{"1,2,3", Rgb(1, 2, 3)},
        ColourCase{"300,0,0", Rgb(300 & 0xFF, 0, 0)}, ColourCase{"-1,0,0", Rgb(0xFF, 0, 0)},
        ColourCase{"256,257,258", Rgb(0, 1, 2)}, ColourCase{" 10 , 20 , 30 ", Rgb(10, 20, 30)},
        ColourCase{"1.5,0,0", Rgb(1, 0, 0)}, ColourCase{"+7,0,0", Rgb(7, 0, 0)},
        // A part present but not a whole number leaves the colour.
        ColourCase{"255,,0", std::nullopt}, ColourCase{",0,0", std::nullopt}, ColourCase{"255,0,", std::nullopt},
        ColourCase{"255,x,0", std::nullopt}, ColourCase{"1,2,3,4", std::nullopt}, ColourCase{"  ", std::nullopt},
        ColourCase{"\xE9", std::nullopt},
        // An empty text leaves the colour: read as numbers it would be black.
        ColourCase{"", std::nullopt}));

TEST(ColourTextDecimalTest, PartsAreReadWithTheDecimalSymbolInForce) {
  EXPECT_EQ(ReadColourText("1.5,0,0", ','), std::nullopt);
  EXPECT_EQ(ReadColourText("9,0,0", ','), Rgb(9, 0, 0));
}

TEST(ColourTextNamesTest, EveryNameThatStartsWithALetterIsFound) {
  // "3DDkShadow" and "3DLight" start with a digit and so read as numbers.
  const char* names[] = {"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray", "Silver",
                         "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White", "MoneyGreen", "SkyBlue",
                         "Cream", "MedGray", "ScrollBar", "Background", "ActiveCaption", "InactiveCaption",
                         "Menu", "Window", "WindowFrame", "MenuText", "WindowText", "CaptionText",
                         "ActiveBorder", "InactiveBorder", "AppWorkSpace", "Highlight", "HighlightText",
                         "BtnFace", "BtnShadow", "GrayText", "BtnText", "InactiveCaptionText", "BtnHighlight",
                         "InfoText", "InfoBk", "HotLight", "GradientActiveCaption", "GradientInactiveCaption",
                         "MenuHighlight", "MenuBar", "None", "Default"};
  for (const char* name : names) EXPECT_TRUE(ReadColourText(name, '.').has_value()) << name;
}

}  // namespace
}  // namespace orv
