#include "objects/buttons/DisabledOverlay.h"

#include <QPainter>

namespace orv {

namespace {

const QColor kVeilColour(192, 192, 192);
constexpr double kVeilOpacity = 165.0 / 255.0;

}  // namespace

void DrawDisabledOverlay(QPainter& painter, const QRect& target, const QImage& alphaMask) {
  if (target.isEmpty()) return;
  painter.save();
  painter.setOpacity(painter.opacity() * kVeilOpacity);
  if (alphaMask.isNull() || !alphaMask.hasAlphaChannel()) {
    painter.fillRect(target, kVeilColour);
  } else {
    QImage veil(target.size(), QImage::Format_ARGB32_Premultiplied);
    veil.fill(kVeilColour);
    QPainter shaper(&veil);
    shaper.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    shaper.drawImage(0, 0, alphaMask);
    shaper.end();
    painter.drawImage(target.topLeft(), veil);
  }
  painter.restore();
}

}  // namespace orv
