#pragma once
// The box of a check box and the dot of a radio button drawn without a
// theme: a sunken 13-pixel box with a check mark, a sunken ring with a dot.
#include <QRect>

class QPainter;

namespace orv {

struct TIndicatorLook {
  bool Checked = false;
  bool Pushed = false;    // held down: the inside turns button-face
  bool Inactive = false;  // disabled: button-face inside, grey mark
};

// Both fill `box` (drawn at 13 by 13 and scaled to its size).
void DrawClassicCheckBox(QPainter& painter, const QRect& box, const TIndicatorLook& look);
void DrawClassicRadio(QPainter& painter, const QRect& box, const TIndicatorLook& look);

}  // namespace orv
