#pragma once
// The 8 x 8 fill patterns 2 to 48 and the brushes made from them. A pattern's
// origin is the page's origin, so neighbouring objects' patterns line up.
#include <QBrush>
#include <QImage>
#include <array>
#include <cstdint>

#include "pages/Colour.h"

namespace orv {

inline constexpr int kFirstFillPattern = 2;
inline constexpr int kLastFillPattern = 48;

// Rows top to bottom, leftmost pixel in the highest bit; a set bit is a dot.
const std::array<std::uint8_t, 8>& FillPatternRows(int pattern);
bool IsFillPattern(int pattern);

// The tile: dots in `colour`, the rest white, or transparent when
// `transparent`.
QImage FillPatternTile(int pattern, const QColor& colour, bool transparent);

// A texture brush of the tile whose origin lands on the page's origin when
// painted at `pageOffset` (the painted area's top-left in page
// coordinates).
QBrush FillPatternBrush(int pattern, const QColor& colour, bool transparent, QPoint pageOffset);

}  // namespace orv
