// The walk of a moving object's reference point, one step period at a
// time: 2 pixels a step along the leading axis and the other in proportion,
// rounded, never past a point and exactly on it at the last step; a point
// already reached costs one period; loops turn at both ends; an empty path
// is over before it starts.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "commands/media/MoverPathWalk.h"

namespace orv {
namespace {

std::string Text(const std::vector<QPoint>& points) {
  std::string text;
  for (const QPoint& p : points) text += "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")";
  return text;
}

// The first `count` steps (fewer when the walk ends first).
std::vector<QPoint> Steps(TMoverPathWalk& walk, std::size_t count) {
  std::vector<QPoint> seen;
  for (std::size_t i = 0; i < count; ++i) {
    const std::optional<QPoint> at = walk.Step();
    if (!at) break;
    seen.push_back(*at);
  }
  return seen;
}

struct WalkCase {
  const char* name;
  QPoint from;
  std::vector<QPoint> path;
  bool loop;
  std::vector<QPoint> expected;  // the steps, in order
  bool endsAfter;                // the next step finds the walk over
};

TEST(MoverPathWalk, StepsTowardsEachPointAndLandOnIt) {
  const WalkCase cases[] = {
      // 10 across, 3 down: 5 steps of (2, 0.6), the second axis rounded.
      {"diagonal", {0, 0}, {{10, 3}}, false, {{2, 1}, {4, 1}, {6, 2}, {8, 2}, {10, 3}}, true},
      // An odd distance: the last step is held at the point.
      {"odd distance", {0, 0}, {{5, 0}}, false, {{2, 0}, {4, 0}, {5, 0}}, true},
      {"backwards", {10, 10}, {{3, 10}}, false, {{8, 10}, {6, 10}, {4, 10}, {3, 10}}, true},
      {"upwards leading", {0, 0}, {{-1, -6}}, false, {{0, -2}, {-1, -4}, {-1, -6}}, true},
      {"two points", {0, 0}, {{4, 0}, {4, 4}}, false, {{2, 0}, {4, 0}, {4, 2}, {4, 4}}, true},
      // Standing on the first point already: a pause, then on.
      {"start on the first point", {4, 4}, {{4, 4}, {8, 4}}, false, {{4, 4}, {6, 4}, {8, 4}}, true},
      {"repeated point", {0, 0}, {{2, 0}, {2, 0}, {4, 0}}, false, {{2, 0}, {2, 0}, {4, 0}}, true},
  };
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(c.name);
    TMoverPathWalk walk(c.path, c.from, c.loop);
    EXPECT_EQ(Text(Steps(walk, c.expected.size())), Text(c.expected));
    if (c.endsAfter) {
      EXPECT_FALSE(walk.Step().has_value());
      EXPECT_TRUE(walk.Over());
    }
  }
}

TEST(MoverPathWalk, LoopsTurnAtBothEndsAndNeverEnd) {
  const WalkCase cases[] = {
      {"three points",
       {0, 0},
       {{0, 0}, {4, 0}, {8, 0}},
       true,
       {{0, 0},  // on the first point: a pause
        {2, 0}, {4, 0}, {6, 0}, {8, 0},
        {6, 0}, {4, 0}, {2, 0}, {0, 0},  // back from the last point
        {2, 0}, {4, 0}},                 // and forwards again
       false},
      {"two points", {0, 0}, {{2, 0}, {2, 2}}, true, {{2, 0}, {2, 2}, {2, 0}, {2, 2}, {2, 0}}, false},
      // One point is both ends: a pause on it every period.
      {"one point", {0, 0}, {{4, 0}}, true, {{2, 0}, {4, 0}, {4, 0}, {4, 0}}, false},
  };
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(c.name);
    TMoverPathWalk walk(c.path, c.from, c.loop);
    EXPECT_EQ(Text(Steps(walk, c.expected.size())), Text(c.expected));
    EXPECT_FALSE(walk.Over());
  }
}

// Once a spin that never gave the event loop back: every period of a
// path of equal points is one step that returns.
TEST(MoverPathWalk, EqualPointsInALoopPauseEveryPeriod) {
  TMoverPathWalk walk({{3, 3}, {3, 3}, {3, 3}}, {3, 3}, true);
  const std::vector<QPoint> steps = Steps(walk, 50);
  ASSERT_EQ(steps.size(), 50u);
  for (const QPoint& at : steps) EXPECT_EQ(at, QPoint(3, 3));
  EXPECT_FALSE(walk.Over());
}

TEST(MoverPathWalk, AnEmptyPathIsOverBeforeTheFirstStepLoopOrNot) {
  for (const bool loop : {false, true}) {
    SCOPED_TRACE(loop);
    TMoverPathWalk walk({}, {7, 9}, loop);
    EXPECT_TRUE(walk.Over());
    EXPECT_FALSE(walk.Step().has_value());
    EXPECT_EQ(walk.Current(), QPoint(7, 9));
  }
}

}  // namespace
}  // namespace orv
