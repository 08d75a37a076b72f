#pragma once
// TMoverPathWalk: where a moving object's reference point (its centre, or
// its top-left corner) is after each step period of a walk along a path.
// It knows nothing of objects or time: the mover asks for one step per
// period and moves the object there.
//
// Towards each point the walk takes half the larger distance as its number
// of steps, so the leading axis advances 2 pixels a step and the other in
// proportion; positions are rounded and never pass the point, and the last
// step lands on it exactly. A point the walk stands on already still costs
// one period (a path of equal points pauses instead of spinning). In loop
// mode the walk turns at either end of the path and never ends; an empty
// path ends before the first step, loop or not.
#include <QPoint>
#include <optional>
#include <vector>

namespace orv {

class TMoverPathWalk {
 public:
  TMoverPathWalk(std::vector<QPoint> path, QPoint from, bool loop);

  // One step period: the reference point after it (unchanged when the
  // period was spent at a point already reached); nothing once the walk is
  // over.
  std::optional<QPoint> Step();
  bool Over() const { return over_; }
  QPoint Current() const { return current_; }

 private:
  void BeginTarget();
  // Stands exactly on the target and turns to the next point.
  void ReachTarget();

  std::vector<QPoint> path_;
  bool loop_;
  bool over_;
  std::size_t index_ = 0;
  int direction_ = 1;
  bool begun_ = false;
  QPoint current_;
  double x_ = 0, y_ = 0;        // the unrounded position
  double stepX_ = 0, stepY_ = 0;
};

}  // namespace orv
