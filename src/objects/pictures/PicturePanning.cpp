#include "objects/pictures/PicturePanning.h"

#include <algorithm>

#include "objects/pictures/PicturePlacement.h"

namespace orv {

std::int64_t TPicturePan::Limit(int pictureLength, int zoom, int lineWidth, int objectLength) {
  return std::max<std::int64_t>(
      0, ZoomedLength(pictureLength, 1.0, zoom) + 2 * static_cast<std::int64_t>(lineWidth) - objectLength);
}

void TPicturePan::Begin(QPoint press, TPanOffset limits) {
  last_ = press;
  limits_ = limits;
  active_ = true;
}

bool TPicturePan::MoveTo(QPoint at) {
  if (!active_) return false;
  const TPanOffset before = offset_;
  // The picture follows the mouse, so the view moves the other way.
  offset_.x = std::clamp<std::int64_t>(offset_.x - (at.x() - last_.x()), 0, limits_.x);
  offset_.y = std::clamp<std::int64_t>(offset_.y - (at.y() - last_.y()), 0, limits_.y);
  last_ = at;
  return !(offset_ == before);
}

}  // namespace orv
