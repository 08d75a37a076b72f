#pragma once
// The drawn shapes of a page: rectangle, rounded rectangle, ellipse, line
// and polygon.
#include "objects/OrvalisObj.h"
#include "objects/shapes/OrvalisLine.h"
#include "objects/shapes/OrvalisPolygon.h"
#include "objects/shapes/RoundShapes.h"

namespace orv {

// The rectangle: the base's fill and outline. Other controls may be put
// inside it.
class TOrvalisRect : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;
  bool IsRectObject() const override { return true; }
};

}  // namespace orv
