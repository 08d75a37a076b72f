#pragma once
// Coordinates and sizes of MoveObject and SizeObject as numbers a widget
// can take.
#include <cstdint>
#include <string_view>

#include "base/PageCoordinates.h"

namespace orv {

// A coordinate, beyond 16,777,215 either way clamped; a text that is not a
// whole number counts 0.
int ReadCoordinate(std::string_view text, char decimalSymbol);
// A width or height: -1 (keep the current one) stays -1, other negative
// sizes are 0, sizes beyond 16,777,215 are clamped; a text that is not a
// whole number counts 0.
int ReadObjectSize(std::string_view text, char decimalSymbol);

}  // namespace orv
