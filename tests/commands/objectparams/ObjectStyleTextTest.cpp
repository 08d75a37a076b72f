// Fill, line and font words of the Set commands.
#include "commands/objectparams/ObjectStyleText.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orv {
namespace {

struct StyleCase {
  const char* text;
  std::optional<int> expected;  // nothing: the setting stays
};

std::ostream& operator<<(std::ostream& out, const StyleCase& c) { return out << '"' << c.text << '"'; }

class ObjectStyleFillPatternTest : public ::testing::TestWithParam<StyleCase> {};
TEST_P(ObjectStyleFillPatternTest, ReadsThePattern) {
  EXPECT_EQ(ReadFillPattern(GetParam().text, '.'), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, ObjectStyleFillPatternTest,
                         ::testing::Values(StyleCase{"Solid", 0}, StyleCase{"hollow", 1}, StyleCase{"SOLID", 0},
                                           StyleCase{"0", 0}, StyleCase{"48", 48}, StyleCase{"7.9", 7},
                                           StyleCase{"49", std::nullopt}, StyleCase{"-1", std::nullopt},
                                           StyleCase{"Solid ", std::nullopt}, StyleCase{"Dense", std::nullopt},
                                           StyleCase{"", std::nullopt}));

class ObjectStyleLineWidthTest : public ::testing::TestWithParam<StyleCase> {};
TEST_P(ObjectStyleLineWidthTest, ReadsTheWidth) {
  EXPECT_EQ(ReadLineWidth(GetParam().text, '.'), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, ObjectStyleLineWidthTest,
                         ::testing::Values(StyleCase{"0", 0}, StyleCase{"5", 5}, StyleCase{"100", 100},
                                           StyleCase{"2.7", 2},
                                           // Non-numbers count 0.
                                           StyleCase{"thick", 0}, StyleCase{"", 0},
                                           StyleCase{"101", std::nullopt}, StyleCase{"-1", std::nullopt},
                                           StyleCase{"1e9", std::nullopt}));

class ObjectStyleLineStyleTest : public ::testing::TestWithParam<StyleCase> {};
TEST_P(ObjectStyleLineStyleTest, ReadsTheStyle) {
  EXPECT_EQ(ReadLineStyle(GetParam().text, '.'), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, ObjectStyleLineStyleTest,
                         ::testing::Values(StyleCase{"0", 0}, StyleCase{"2", 2}, StyleCase{"6", 6},
                                           StyleCase{"7", std::nullopt}, StyleCase{"-1", std::nullopt},
                                           StyleCase{"dash", std::nullopt}, StyleCase{"", std::nullopt}));

TEST(ObjectStyleLineStyleWidthTest, OnlyDashAndDotStylesForceWidthOne) {
  for (int style = -1; style <= 7; ++style)
    EXPECT_EQ(LineStyleForcesWidthOne(style), style >= 1 && style <= 4) << style;
}

struct FontStyleCase {
  const char* text;
  bool bold, italic, underline, strikeOut;
};
std::ostream& operator<<(std::ostream& out, const FontStyleCase& c) { return out << '"' << c.text << '"'; }

class ObjectStyleFontStyleTest : public ::testing::TestWithParam<FontStyleCase> {};
TEST_P(ObjectStyleFontStyleTest, FindsEachWordAnywhere) {
  const FontStyleWords style = ReadFontStyle(GetParam().text);
  EXPECT_EQ(style.Bold, GetParam().bold);
  EXPECT_EQ(style.Italic, GetParam().italic);
  EXPECT_EQ(style.Underline, GetParam().underline);
  EXPECT_EQ(style.StrikeOut, GetParam().strikeOut);
}
INSTANTIATE_TEST_SUITE_P(Cases, ObjectStyleFontStyleTest,
                         ::testing::Values(FontStyleCase{"", false, false, false, false},
                                           FontStyleCase{"Bold", true, false, false, false},
                                           FontStyleCase{"italic+bold", true, true, false, false},
                                           FontStyleCase{"StrikeOut Underline", false, false, true, true},
                                           FontStyleCase{"xxBOLDITALICxx", true, true, false, false},
                                           FontStyleCase{"bol d", false, false, false, false},
                                           FontStyleCase{"UnderLine,STRIKEOUT,Italic,bold", true, true, true, true}));

struct CharsetCase {
  const char* text;
  int expected;
};
std::ostream& operator<<(std::ostream& out, const CharsetCase& c) { return out << '"' << c.text << '"'; }

class ObjectStyleCharsetTest : public ::testing::TestWithParam<CharsetCase> {};
TEST_P(ObjectStyleCharsetTest, ReadsNameOrNumber) {
  EXPECT_EQ(ReadCharset(GetParam().text, '.'), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ObjectStyleCharsetTest,
    ::testing::Values(CharsetCase{"greek_charset", 161}, CharsetCase{"GREEK_CHARSET", 161},
                      CharsetCase{"ANSI_CHARSET", 0}, CharsetCase{"Mac_Charset", 77}, CharsetCase{"OEM_CHARSET", 255},
                      CharsetCase{"EastEurope_Charset", 238}, CharsetCase{"ChineseBig5_Charset", 136},
                      CharsetCase{"77", 77}, CharsetCase{"0", 0}, CharsetCase{"204.9", 204},
                      // Neither a name nor a character-set number: the default set.
                      CharsetCase{"Nope", 1}, CharsetCase{"GREEK", 1}, CharsetCase{"256", 1},
                      CharsetCase{"-1", 1}));

TEST(ObjectStyleFontSizeTest, SizesAboveOneThousandPointsAreOneThousand) {
  EXPECT_EQ(ClampFontSize(12), 12);
  EXPECT_EQ(ClampFontSize(1000), 1000);
  EXPECT_EQ(ClampFontSize(1001), 1000);
  EXPECT_EQ(ClampFontSize(std::int64_t{1} << 40), 1000);
  EXPECT_LT(ClampFontSize(-(std::int64_t{1} << 40)), 1);  // not applied
}

}  // namespace
}  // namespace orv
