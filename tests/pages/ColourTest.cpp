#include "pages/Colour.h"

#include <gtest/gtest.h>

#include "pages/ColourPalette.h"

namespace orv {
namespace {

TEST(Colour, ResolvesEveryKindOfValue) {
  struct Case {
    ColourValue value;
    int r, g, b;
  };
  const Case cases[] = {
      {0x000000FF, 255, 0, 0},          // red in the low byte
      {0x00FF0000, 0, 0, 255},          // blue in the third
      {0x00123456, 0x56, 0x34, 0x12},
      {0x8000000F, 240, 240, 240},      // system colour 15, button face
      {0xFF000005, 255, 255, 255},      // the colour names' form: window
      {0x80000018, 255, 255, 225},      // tooltip background
      {0x80000063, 0, 0, 0},            // outside the table
      {0x02FFFFFF, 255, 255, 255},      // palette-relative, no palette
      {0x02000000, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const QColor colour = ResolveColour(c.value);
    ASSERT_TRUE(colour.isValid()) << std::hex << c.value;
    EXPECT_EQ(colour, QColor(c.r, c.g, c.b)) << std::hex << c.value;
  }
}

TEST(Colour, MarkersAreNeverDrawn) {
  EXPECT_FALSE(ResolveColour(kNoTransparentColour).isValid());
  EXPECT_FALSE(ResolveColour(kAutoTransparentColour).isValid());
  EXPECT_TRUE(IsColourMarker(0x1FFFFFFF));
  EXPECT_TRUE(IsColourMarker(0x20000000));
  EXPECT_FALSE(IsColourMarker(0x00FFFFFF));
}

TEST(Colour, PaletteRelativeTakesTheNearestPaletteEntry) {
  ColourPalette palette = ColourPalette::FromText("");
  palette.SetEntry(7, RgbColour(200, 10, 10));
  palette.SetEntry(9, RgbColour(10, 10, 200));
  EXPECT_EQ(ResolveColour(0x02000000 | RgbColour(250, 0, 0), &palette), QColor(200, 10, 10));
  EXPECT_EQ(ResolveColour(0x02000000 | RgbColour(0, 0, 160), &palette), QColor(10, 10, 200));
  // Plain colours ignore the palette.
  EXPECT_EQ(ResolveColour(RgbColour(250, 0, 0), &palette), QColor(250, 0, 0));
}

TEST(ColourPalette, ReadsTheDocumentText) {
  struct Case {
    const char* text;
    ColourValue first, second, third;
  };
  const Case cases[] = {
      {"255 65280 16711680 ", 255, 65280, 16711680},
      {"255 65280 16711680", 255, 65280, 0},  // last entry has no blank
      {"1 x 3 ", 1, 0, 3},                     // not a number
      {"", 0, 0, 0},
      {"-2147483633 7 ", 0x8000000F & 0xFFFFFF, 7, 0},
  };
  for (const Case& c : cases) {
    const ColourPalette palette = ColourPalette::FromText(c.text);
    EXPECT_EQ(palette.Entry(0), c.first) << c.text;
    EXPECT_EQ(palette.Entry(1), c.second) << c.text;
    EXPECT_EQ(palette.Entry(2), c.third) << c.text;
    EXPECT_EQ(palette.Entry(255), 0u) << c.text;
  }
}

TEST(ColourPalette, DefaultHasTheFixedEntriesAtBothEnds) {
  const ColourPalette& palette = ColourPalette::Default();
  EXPECT_EQ(palette.Entry(0), RgbColour(0, 0, 0));
  EXPECT_EQ(palette.Entry(255), RgbColour(255, 255, 255));
  EXPECT_EQ(palette.Entry(249), RgbColour(255, 0, 0));
  EXPECT_EQ(palette.Entry(palette.NearestIndex(RgbColour(250, 5, 3))), RgbColour(255, 0, 0));
}

}  // namespace
}  // namespace orv
