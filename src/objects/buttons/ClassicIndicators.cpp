#include "objects/buttons/ClassicIndicators.h"

#include <QPainter>
#include <QPainterPath>

#include "objects/buttons/ButtonFrames.h"
#include "pages/Colour.h"

namespace orv {

namespace {

constexpr int kDesignSize = 13;

// System colour indices.
constexpr int kWindow = 5;
constexpr int kWindowText = 8;
constexpr int kButtonFace = 15;
constexpr int kButtonShadow = 16;
constexpr int kButtonHighlight = 20;
constexpr int kDarkShadow = 21;
constexpr int kLight = 22;

QColor System(int index) { return ResolveColour(kSystemColourBase + static_cast<ColourValue>(index)); }

QColor InsideColour(const TIndicatorLook& look) {
  return System(look.Pushed || look.Inactive ? kButtonFace : kWindow);
}

QColor MarkColour(const TIndicatorLook& look) { return System(look.Inactive ? kButtonShadow : kWindowText); }

// Runs `draw` in the 13 by 13 design space mapped onto `box`.
template <typename Draw>
void InDesignSpace(QPainter& painter, const QRect& box, Draw draw) {
  if (box.width() <= 0 || box.height() <= 0) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.translate(box.topLeft());
  painter.scale(box.width() / double(kDesignSize), box.height() / double(kDesignSize));
  draw();
  painter.restore();
}

// The check mark, one 7-pixel row at a time (bit 6 is the leftmost pixel).
constexpr unsigned char kCheckRows[7] = {0x01, 0x03, 0x47, 0x6E, 0x7C, 0x38, 0x10};

}  // namespace

void DrawClassicCheckBox(QPainter& painter, const QRect& box, const TIndicatorLook& look) {
  InDesignSpace(painter, box, [&] {
    const QRect whole(0, 0, kDesignSize, kDesignSize);
    DrawFrame3D(painter, whole, 1, System(kButtonShadow), System(kButtonHighlight));
    DrawFrame3D(painter, whole.adjusted(1, 1, -1, -1), 1, System(kDarkShadow), System(kLight));
    painter.fillRect(whole.adjusted(2, 2, -2, -2), InsideColour(look));
    if (!look.Checked) return;
    QPainterPath mark;
    for (int row = 0; row < 7; ++row)
      for (int column = 0; column < 7; ++column)
        if (kCheckRows[row] & (0x40 >> column)) mark.addRect(3 + column, 3 + row, 1, 1);
    painter.fillPath(mark, MarkColour(look));
  });
}

void DrawClassicRadio(QPainter& painter, const QRect& box, const TIndicatorLook& look) {
  InDesignSpace(painter, box, [&] {
    // The upper-left half of a ring in one colour, the lower-right in another.
    auto ring = [&](const QRectF& r, const QColor& upperLeft, const QColor& lowerRight) {
      painter.setBrush(Qt::NoBrush);
      painter.setPen(QPen(upperLeft, 1.0));
      painter.drawArc(r, 45 * 16, 180 * 16);
      painter.setPen(QPen(lowerRight, 1.0));
      painter.drawArc(r, 225 * 16, 180 * 16);
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(InsideColour(look));
    painter.drawEllipse(QRectF(1.5, 1.5, 10, 10));
    ring(QRectF(0.5, 0.5, 12, 12), System(kButtonShadow), System(kButtonHighlight));
    ring(QRectF(1.5, 1.5, 10, 10), System(kDarkShadow), System(kLight));
    if (!look.Checked) return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(MarkColour(look));
    painter.drawEllipse(QRectF(4.5, 4.5, 4, 4));
  });
}

}  // namespace orv
