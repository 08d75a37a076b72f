#pragma once
// The fill and outline every object shares: the base look of a page object
// and the rectangle shapes build on.
#include <QPoint>
#include <QRect>
#include <cstdint>

#include "pages/Colour.h"

class QPainter;

namespace orv {

enum TOrvalisPenStyle : std::uint8_t {
  ovpsSolid = 0,
  ovpsDash = 1,
  ovpsDot = 2,
  ovpsDashDot = 3,
  ovpsDashDotDot = 4,
  ovpsRaised = 5,
  ovpsSunken = 6,
  ovpsClear = 7,
};

inline constexpr int kSolidFill = 0;
inline constexpr int kHollowFill = 1;

struct TObjectLook {
  int LineWidth = 1;
  ColourValue LineColor = 0;
  TOrvalisPenStyle LineStyle = ovpsSolid;
  ColourValue FillColor = 0x8000000F;
  int FillPattern = kSolidFill;
  bool Transparent = false;  // patterned fills show what lies beneath between the dots
};

// Fills `rect` (unless hollow); `pageOffset` is the rectangle's top-left in
// page coordinates, where the pattern tiles start.
void FillObjectRect(QPainter& painter, const QRect& rect, const TObjectLook& look, QPoint pageOffset);
// Draws the outline inside `rect`: nothing for width 0 or style clear.
void DrawObjectOutline(QPainter& painter, const QRect& rect, const TObjectLook& look);
// Both, the fill first.
void DrawObjectFrame(QPainter& painter, const QRect& rect, const TObjectLook& look, QPoint pageOffset);

}  // namespace orv
