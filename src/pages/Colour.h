#pragma once
// Colour values as publications store them, decoded in this one place:
//   0x00BBGGRR   a plain colour (red in the low byte)
//   0x80000000+n system colour n (any value with the top bit set; the low
//                byte is the index, as the authoring tool's colour names are
//                stored with the whole top byte set)
//   0x02BBGGRR   palette-relative: the nearest colour of the active palette,
//                or the plain colour BBGGRR when no palette is in play
//   0x1FFFFFFF   marker: no transparent colour
//   0x20000000   marker: transparent colour taken from a picture's
//                bottom-left pixel
// The markers are never drawn.
#include <QColor>
#include <cstdint>

namespace orv {

class ColourPalette;

using ColourValue = std::uint32_t;

inline constexpr ColourValue kNoTransparentColour = 0x1FFFFFFF;
inline constexpr ColourValue kAutoTransparentColour = 0x20000000;
inline constexpr ColourValue kSystemColourBase = 0x80000000;
inline constexpr ColourValue kPaletteRelativeFlag = 0x02000000;

// The number of entries of the system colour table (indices 0..30).
inline constexpr int kSystemColourCount = 31;

bool IsColourMarker(ColourValue value);
bool IsSystemColour(ColourValue value);
bool IsPaletteRelative(ColourValue value);

// The fixed Windows-like value of system colour `index` as 0x00BBGGRR; an
// index outside the table gives black, as the system does.
ColourValue SystemColourRgb(int index);

// The colour to draw. A marker gives an invalid QColor (nothing to draw).
// With `activePalette` a palette-relative colour becomes the palette's nearest
// entry; without one it is the plain colour.
QColor ResolveColour(ColourValue value, const ColourPalette* activePalette = nullptr);

// The 0x00BBGGRR form of whatever `value` draws as (markers: their low 24
// bits, which is what a plain comparison of components sees).
ColourValue ColourToRgb(ColourValue value, const ColourPalette* activePalette = nullptr);

// Plain colour from components / from a QColor (alpha dropped).
constexpr ColourValue RgbColour(int red, int green, int blue) {
  return static_cast<ColourValue>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
ColourValue ColourFromQColor(const QColor& colour);

}  // namespace orv
