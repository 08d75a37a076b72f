#include "commands/media/MoverPathWalk.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace orv {

namespace {

// The rounded position, held at the target once it would pass it.
int Toward(double position, double step, int target) {
  const int rounded = static_cast<int>(std::nearbyint(position));
  if ((step > 0 && rounded > target) || (step < 0 && rounded < target)) return target;
  return rounded;
}

}  // namespace

TMoverPathWalk::TMoverPathWalk(std::vector<QPoint> path, QPoint from, bool loop)
    : path_(std::move(path)), loop_(loop), over_(path_.empty()), current_(from), x_(from.x()), y_(from.y()) {}

void TMoverPathWalk::BeginTarget() {
  const QPoint target = path_[index_];
  const double dx = static_cast<double>(target.x()) - current_.x();
  const double dy = static_cast<double>(target.y()) - current_.y();
  const double steps = std::max(std::fabs(dx), std::fabs(dy)) / 2;
  stepX_ = steps > 0 ? dx / steps : 0;
  stepY_ = steps > 0 ? dy / steps : 0;
  x_ = current_.x();
  y_ = current_.y();
  begun_ = true;
}

void TMoverPathWalk::ReachTarget() {
  current_ = path_[index_];
  x_ = current_.x();
  y_ = current_.y();
  begun_ = false;
  const auto last = static_cast<std::ptrdiff_t>(path_.size()) - 1;
  std::ptrdiff_t next = static_cast<std::ptrdiff_t>(index_) + direction_;
  if (next < 0 || next > last) {
    if (!loop_) {
      over_ = true;
      return;
    }
    direction_ = -direction_;
    // A single point is both ends: the walk stays on it.
    next = std::clamp<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(index_) + direction_, 0, last);
  }
  index_ = static_cast<std::size_t>(next);
}

std::optional<QPoint> TMoverPathWalk::Step() {
  if (over_) return std::nullopt;
  if (!begun_) BeginTarget();
  const QPoint target = path_[index_];
  if (current_ != target) {
    x_ += stepX_;
    y_ += stepY_;
    current_ = QPoint(Toward(x_, stepX_, target.x()), Toward(y_, stepY_, target.y()));
  }
  if (current_ == target) ReachTarget();
  return current_;
}

}  // namespace orv
