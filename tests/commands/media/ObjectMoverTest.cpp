// Movers and their list on a bare page (no window, no host): what a mover
// does to its object from its first step to its end, with the real timer
// at a delay of 0 and waits only for outcomes. The list's moves and
// subroutine calls are watched through its replaceable hooks.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/media/ObjectMoverList.h"
#include "objects/ObjectPage.h"
#include "objects/ObjectWindowFixture.h"

namespace orv {
namespace {

using test::ObjectLines;
using test::WaitUntil;

const QRect kAStart(20, 20, 40, 30);
const QRect kBStart(100, 100, 20, 20);

class ObjectMoverTest : public ::testing::Test {
 protected:
  ObjectMoverTest() {
    list.Place = [this](TOrvalisObj& object, QPoint topLeft) {
      places.push_back({object.ObjectName(), topLeft});
      object.move(topLeft);
    };
    list.CallSubroutine = [this](const std::string& label) {
      calls.push_back({label, a->pos(), b->pos()});
    };
  }

  struct Place {
    std::string object;
    QPoint at;
  };
  struct Call {
    std::string label;
    QPoint a, b;  // where the objects were when it was called
  };

  static TMoverRequest Request(std::vector<QPoint> path, const std::string& subroutine = {}) {
    TMoverRequest request;
    request.Path = std::move(path);
    request.DelayMs = 0;
    request.Subroutine = subroutine;
    return request;
  }
  // Until `object` left its place.
  bool WaitForMove(TOrvalisObj& object) {
    const QPoint start = object.pos();
    return WaitUntil([&] { return object.pos() != start; });
  }

  test::ObjectPage page{ObjectLines(5, "A", kAStart) + ObjectLines(5, "B", kBStart), QSize(400, 300)};
  TOrvalisObj* a = page.Object(0);
  TOrvalisObj* b = page.Object(1);
  QObject owner;
  TObjectMoverList list{&owner};
  std::vector<Place> places;
  std::vector<Call> calls;
};

TEST_F(ObjectMoverTest, PointsAreWhereTheCentreOrTheTopLeftGoes) {
  const struct {
    bool leftTop;
    QPoint end;  // top-left at the end of a path to (100, 100)
  } cases[] = {
      {false, QPoint(100 - kAStart.width() / 2, 100 - kAStart.height() / 2)},
      {true, QPoint(100, 100)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.leftTop);
    a->move(kAStart.topLeft());
    places.clear();
    TMoverRequest request = Request({{100, 100}});
    request.LeftTop = c.leftTop;
    ASSERT_NE(list.Start(*a, request), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return list.Count() == 0; }));
    EXPECT_EQ(a->pos(), c.end);
    EXPECT_EQ(a->size(), kAStart.size());
    // Step by step, never more than 2 pixels along either axis.
    ASSERT_FALSE(places.empty());
    QPoint previous = kAStart.topLeft();
    for (const Place& place : places) {
      EXPECT_LE(std::abs(place.at.x() - previous.x()), 2);
      EXPECT_LE(std::abs(place.at.y() - previous.y()), 2);
      previous = place.at;
    }
  }
}

TEST_F(ObjectMoverTest, StoppedEarlyTheObjectGoesBackOnlyWithRestore) {
  for (const bool restore : {false, true}) {
    SCOPED_TRACE(restore);
    a->move(kAStart.topLeft());
    calls.clear();
    TMoverRequest request = Request({{5000, 20}}, "Done");
    request.Restore = restore;
    request.Loop = true;  // never at an end of its own
    ASSERT_NE(list.Start(*a, request), nullptr);
    ASSERT_TRUE(WaitForMove(*a));
    const QPoint stoppedAt = a->pos();
    list.Stop("a");  // names in any case
    // Ended by the time Stop returns: restored, subroutine called after it.
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(a->pos(), restore ? kAStart.topLeft() : stoppedAt);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].label, "Done");
    EXPECT_EQ(calls[0].a, a->pos());
    // Nothing moves it later.
    QCoreApplication::processEvents();
    EXPECT_EQ(a->pos(), restore ? kAStart.topLeft() : stoppedAt);
  }
}

TEST_F(ObjectMoverTest, AnObjectMovesUnderOneMoverAtATime) {
  TObjectMover* first = list.Start(*a, Request({{300, 20}}));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(list.Start(*a, Request({{20, 300}})), nullptr);
  EXPECT_EQ(list.MoverOf(*a), first);
  ASSERT_TRUE(WaitUntil([&] { return list.Count() == 0; }));
  // Where the first one took it (the centre at its point).
  EXPECT_EQ(a->pos(), QPoint(300 - kAStart.width() / 2, 20 - kAStart.height() / 2));
}

// Stopping every mover once dropped the list while the movers were still
// restoring, so a new mover could take an object the old one then moved
// back. Each mover now ends in full inside the stop and stays in the list
// until it has.
TEST_F(ObjectMoverTest, StopAllEndsEveryMoverBeforeItReturns) {
  // Looping, so neither ends of its own.
  TMoverRequest first = Request({{5000, 20}}, "One");
  first.Restore = first.Loop = true;
  TMoverRequest second = Request({{100, 5000}}, "Two");
  second.Restore = second.Loop = true;
  ASSERT_NE(list.Start(*a, first), nullptr);
  ASSERT_NE(list.Start(*b, second), nullptr);
  ASSERT_TRUE(WaitForMove(*a));
  ASSERT_TRUE(WaitForMove(*b));

  // A new mover asked for while the old one puts the object back.
  std::vector<bool> startedDuringRestore;
  list.Place = [&](TOrvalisObj& object, QPoint topLeft) {
    const TObjectMover* mover = list.MoverOf(object);
    if (mover != nullptr && mover->CurrentState() == TObjectMover::State::Ending)
      startedDuringRestore.push_back(list.Start(object, Request({{0, 0}})) != nullptr);
    object.move(topLeft);
  };
  list.StopAll();

  EXPECT_EQ(startedDuringRestore, std::vector<bool>({false, false}));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(a->pos(), kAStart.topLeft());
  EXPECT_EQ(b->pos(), kBStart.topLeft());
  // In the order the movers started, each after its own restore.
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].label, "One");
  EXPECT_EQ(calls[0].a, kAStart.topLeft());
  EXPECT_NE(calls[0].b, kBStart.topLeft());
  EXPECT_EQ(calls[1].label, "Two");
  EXPECT_EQ(calls[1].b, kBStart.topLeft());

  // Free again, and nothing of the old movers comes back.
  ASSERT_NE(list.Start(*a, Request({{40, 35}, {140, 35}})), nullptr);
  ASSERT_TRUE(WaitUntil([&] { return list.Count() == 0; }));
  EXPECT_EQ(a->pos(), QPoint(120, kAStart.y()));
  EXPECT_EQ(b->pos(), kBStart.topLeft());
}

// An empty path once looped without pause: it ends at once, loop or not.
TEST_F(ObjectMoverTest, AnEmptyPathEndsAtOnceEvenLooping) {
  TMoverRequest request = Request({}, "Done");
  request.Loop = true;
  request.Restore = true;
  TObjectMover* mover = list.Start(*a, request);
  ASSERT_NE(mover, nullptr);
  EXPECT_TRUE(mover->HasEnded());
  EXPECT_EQ(list.Count(), 0);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_TRUE(places.empty());
  EXPECT_EQ(a->pos(), kAStart.topLeft());
}

TEST_F(ObjectMoverTest, AnObjectThatGoesAwayEndsItsMover) {
  TMoverRequest request = Request({{5000, 5000}}, "Done");
  request.Loop = true;
  ASSERT_NE(list.Start(*b, request), nullptr);
  ASSERT_TRUE(WaitForMove(*b));
  calls.clear();
  list.CallSubroutine = [this](const std::string& label) { calls.push_back({label, {}, {}}); };
  delete b;
  b = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return list.Count() == 0; }));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].label, "Done");
}

}  // namespace
}  // namespace orv
