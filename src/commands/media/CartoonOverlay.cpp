#include "commands/media/CartoonOverlay.h"

#include <QPainter>
#include <QPaintEvent>
#include <algorithm>
#include <cstdint>

#include "commands/media/CartoonFile.h"

namespace orv {

TCartoonOverlay::TCartoonOverlay(QWidget& area, const QRect& cover, const TCartoonStrip& strip)
    : QWidget(&area), strip_(strip) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(cover.intersected(area.rect()));
  raise();
  show();
}

void TCartoonOverlay::ShowFrame(int index, QPoint at) {
  const QRect old = place_;
  const QRect place = QRect(at - pos(), QSize(strip_.FrameWidth(), strip_.FrameHeight()));
  frame_ = index;
  place_ = place.intersects(rect()) ? place : QRect();
  update(old.united(place_));
}

void TCartoonOverlay::HideFrame() {
  if (place_.isEmpty()) return;
  update(place_);
  place_ = QRect();
  frame_ = -1;
}

void TCartoonOverlay::KeepOnTop() {
  const QWidget* area = parentWidget();
  if (area != nullptr && !area->children().isEmpty() && area->children().constLast() != this) raise();
}

void TCartoonOverlay::paintEvent(QPaintEvent*) {
  if (place_.isEmpty() || frame_ < 0) return;
  QPainter painter(this);
  const QRect source = strip_.FrameRect(frame_);
  if (const std::optional<QRegion> region = strip_.FrameRegion(frame_))
    painter.setClipRegion(region->translated(place_.topLeft()));
  painter.drawImage(place_.topLeft(), strip_.Picture(), source);
}

}  // namespace orv
