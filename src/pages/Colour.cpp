#include "pages/Colour.h"

#include "pages/ColourPalette.h"

namespace orv {

namespace {

// The classic values of the system colour table, indexed by the system colour
// number. Fixed, so that a publication looks the same on every desktop theme.
constexpr ColourValue kSystemColours[kSystemColourCount] = {
    RgbColour(200, 200, 200),  //  0 scroll bar
    RgbColour(0, 0, 0),        //  1 desktop background
    RgbColour(153, 180, 209),  //  2 active caption
    RgbColour(191, 205, 219),  //  3 inactive caption
    RgbColour(240, 240, 240),  //  4 menu
    RgbColour(255, 255, 255),  //  5 window
    RgbColour(100, 100, 100),  //  6 window frame
    RgbColour(0, 0, 0),        //  7 menu text
    RgbColour(0, 0, 0),        //  8 window text
    RgbColour(0, 0, 0),        //  9 caption text
    RgbColour(180, 180, 180),  // 10 active border
    RgbColour(244, 247, 252),  // 11 inactive border
    RgbColour(171, 171, 171),  // 12 application workspace
    RgbColour(51, 153, 255),   // 13 highlight
    RgbColour(255, 255, 255),  // 14 highlighted text
    RgbColour(240, 240, 240),  // 15 button face
    RgbColour(160, 160, 160),  // 16 button shadow
    RgbColour(109, 109, 109),  // 17 grey text
    RgbColour(0, 0, 0),        // 18 button text
    RgbColour(67, 78, 84),     // 19 inactive caption text
    RgbColour(255, 255, 255),  // 20 button highlight
    RgbColour(105, 105, 105),  // 21 3-D dark shadow
    RgbColour(227, 227, 227),  // 22 3-D light
    RgbColour(0, 0, 0),        // 23 tooltip text
    RgbColour(255, 255, 225),  // 24 tooltip background
    RgbColour(0, 0, 0),        // 25 unused
    RgbColour(0, 102, 204),    // 26 hot-tracked item
    RgbColour(185, 209, 234),  // 27 active caption gradient
    RgbColour(215, 228, 242),  // 28 inactive caption gradient
    RgbColour(51, 153, 255),   // 29 menu highlight
    RgbColour(240, 240, 240),  // 30 menu bar
};

QColor QColorFromRgb(ColourValue rgb) {
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}

}  // namespace

bool IsColourMarker(ColourValue value) {
  return value == kNoTransparentColour || value == kAutoTransparentColour;
}

bool IsSystemColour(ColourValue value) { return (value & kSystemColourBase) != 0; }

bool IsPaletteRelative(ColourValue value) { return (value & 0xFF000000) == kPaletteRelativeFlag; }

ColourValue SystemColourRgb(int index) {
  if (index < 0 || index >= kSystemColourCount) return 0;
  return kSystemColours[index];
}

ColourValue ColourToRgb(ColourValue value, const ColourPalette* activePalette) {
  if (IsSystemColour(value)) return SystemColourRgb(static_cast<int>(value & 0xFF));
  const ColourValue rgb = value & 0xFFFFFF;
  if (IsPaletteRelative(value) && activePalette != nullptr)
    return activePalette->Entry(activePalette->NearestIndex(rgb));
  return rgb;
}

QColor ResolveColour(ColourValue value, const ColourPalette* activePalette) {
  if (IsColourMarker(value)) return QColor();
  return QColorFromRgb(ColourToRgb(value, activePalette));
}

ColourValue ColourFromQColor(const QColor& colour) {
  return RgbColour(colour.red(), colour.green(), colour.blue());
}

}  // namespace orv
