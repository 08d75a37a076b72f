#pragma once
// The clipping region of a picture's non-transparent pixels.
#include <QImage>
#include <QRegion>
#include <optional>

#include "pages/Colour.h"

namespace orv {

// Every pixel whose red, green and blue differ from `transparent` (alpha is
// not looked at). kAutoTransparentColour takes the bitmap's bottom-left
// pixel; system colours are resolved. None for an empty bitmap.
std::optional<QRegion> BuildTransparencyRegion(const QImage& bitmap, ColourValue transparent);

}  // namespace orv
