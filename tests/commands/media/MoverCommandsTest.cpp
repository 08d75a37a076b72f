// MoveObjectAlongPath and StopMovingObject through scripts on a shown
// window, with the real timer: "Wait" holds the script until the object is
// at the end, another script's stop releases it, page changes and the
// close stop every mover, and subroutines run after the script that ended
// the mover. Only outcomes are waited for, never a time.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "commands/objects/ObjectCommandFixture.h"
#include "commands/media/MediaCommands.h"
#include "commands/media/ObjectMoverList.h"

namespace orv {
namespace {

using test::Box;
using test::kDocBlue;
using test::kDocRed;
using test::Logs;
using test::WaitUntil;

const QRect kBoxStart(20, 20, 40, 30);
const QRect kOtherStart(200, 200, 20, 20);

class MoverCommands : public test::ObjectCommandFixture {
 protected:
  MoverCommands() { RegisterMediaCommands(engine.Commands()); }

  bool OpenPages() {
    return Open("NewPage=One\r\n" + Box("Box", kBoxStart, kDocRed) + Box("Other", kOtherStart, kDocBlue) +
                "NewPage=Two\r\n");
  }
  // A script run with the run-now option: nothing else is served until it
  // ends (timers and posted work included).
  void RunNow(const std::vector<std::string>& lines) {
    std::string script;
    for (const std::string& line : lines) script.append(line).append("\r\n");
    engine.RunScript(script, 4, 1, 26, "Button");
  }
  int MoverCount() {
    const TObjectMoverList* movers = ObjectMoversOf(*form);
    return movers != nullptr ? movers->Count() : 0;
  }
  QPoint At(const std::string& name) {
    const TOrvalisObj* object = Find(name);
    return object != nullptr ? object->pos() : QPoint();
  }
  bool WaitForMove(const std::string& name) {
    const QPoint start = At(name);
    return WaitUntil([&] { return At(name) != start; });
  }
  static std::string Move(const std::string& object, const std::string& path, const std::string& delay,
                          const std::string& options, const std::string& subroutine = {}) {
    return "MoveObjectAlongPath \"" + object + "\" \"" + path + "\" \"" + delay + "\" \"" + options + "\" \"" +
           subroutine + "\"";
  }
};

TEST_F(MoverCommands, AMissingObjectIsReported) {
  ASSERT_TRUE(OpenPages());
  Run(Move("Nowhere", "10,10", "0", "Wait"));
  EXPECT_EQ(LastError(), "\"Nowhere\"||Oggetto inesistente.");
  EXPECT_EQ(MoverCount(), 0);
}

TEST_F(MoverCommands, WaitHoldsTheScriptUntilTheEndOfThePath) {
  ASSERT_TRUE(OpenPages());
  const int centreX = kBoxStart.width() / 2, centreY = kBoxStart.height() / 2;
  const struct {
    std::string path, options;
    QPoint end;  // top-left, page coordinates
  } cases[] = {
      {"100,100", "Wait", {100 - centreX, 100 - centreY}},
      {"100,100", "wait lefttop", {100, 100}},
      {"30,30,100,60,7", "Wait LeftTop", {100, 60}},  // the odd 7 is ignored
      {"50+50,2*[Y]", "Wait LeftTop", {100, 100}},    // arithmetic after substitution
      {"right,down", "Wait", {-centreX, -centreY}},    // non-numbers count 0
      {"100,100", "Wait Restore", kBoxStart.topLeft()},
  };
  vars.SetVar("[Y]", "50");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path + " " + c.options);
    Run("MoveObject \"Box\" \"20\" \"20\"");
    Run({Move("Box", c.path, "0", c.options), "GetObjectInfo \"Box\" \"Left\" \"[L]\"",
         "GetObjectInfo \"Box\" \"Top\" \"[T]\""});
    EXPECT_EQ(Var("[L]") + "," + Var("[T]"), std::to_string(c.end.x()) + "," + std::to_string(c.end.y()));
    EXPECT_EQ(MoverCount(), 0);
  }
  EXPECT_EQ(Grab("mover-wait").pixel(kBoxStart.topLeft() + QPoint(5, 5)), test::Pixel(kDocRed));
}

TEST_F(MoverCommands, WithoutWaitTheScriptGoesOnWhileTheObjectMoves) {
  ASSERT_TRUE(OpenPages());
  Run({Move("Box", "100,100", "0", "LeftTop"), Logs("A")});
  EXPECT_EQ(Var("[Log]"), "A");
  EXPECT_EQ(MoverCount(), 1);
  // A second mover for the same object does nothing while the first runs.
  Run(Move("Box", "300,20", "0", "LeftTop"));
  ASSERT_TRUE(WaitUntil([&] { return MoverCount() == 0; }));
  EXPECT_EQ(At("Box"), QPoint(100, 100));
  const QImage screen = Grab("mover-end");
  EXPECT_EQ(screen.pixel(105, 105), test::Pixel(kDocRed));
  EXPECT_EQ(screen.pixel(25, 25), qRgb(255, 255, 255));
}

TEST_F(MoverCommands, AnotherScriptsStopReleasesTheWait) {
  ASSERT_TRUE(OpenPages());
  // Stops the box from a script of its own once the box is under way.
  bool stopped = false;
  QTimer stopper;
  stopper.setInterval(1);
  QObject::connect(&stopper, &QTimer::timeout, [&] {
    if (stopped || At("Box") == kBoxStart.topLeft()) return;
    stopped = true;
    Run("StopMovingObject \"BOX\"");
  });
  stopper.start();
  const QPoint end(5000 - kBoxStart.width() / 2, 5000 - kBoxStart.height() / 2);
  Run({Move("Box", "5000,5000", "1", "Wait", "Done"), Logs("W")});
  stopper.stop();
  EXPECT_TRUE(stopped);
  EXPECT_EQ(Var("[Log]"), "W");
  EXPECT_EQ(MoverCount(), 0);
  EXPECT_NE(At("Box"), kBoxStart.topLeft());
  EXPECT_NE(At("Box"), end);
}

TEST_F(MoverCommands, PageChangesAndTheCloseStopEveryMover) {
  const struct {
    const char* name;
    std::function<void()> change;
  } cases[] = {
      {"page change", [this] { Run("GotoPage \"Two\""); }},
      {"close", [this] { form->close(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(OpenPages());
    Run({Move("Box", "5000,35", "0", "Loop Restore"), Move("Other", "210,5000", "0", "Loop")});
    ASSERT_TRUE(WaitForMove("Box"));
    ASSERT_TRUE(WaitForMove("Other"));
    c.change();
    EXPECT_EQ(MoverCount(), 0);
    EXPECT_EQ(At("Box"), kBoxStart.topLeft());
    const QPoint otherStoppedAt = At("Other");
    EXPECT_NE(otherStoppedAt, kOtherStart.topLeft());
    QCoreApplication::processEvents();
    EXPECT_EQ(At("Other"), otherStoppedAt);
  }
}

// The subroutine is posted: it runs after the script that ended the mover,
// and sees the object put back.
TEST_F(MoverCommands, SubroutinesRunAfterTheScriptThatEndedTheirMover) {
  ASSERT_TRUE(OpenPages());
  engine.SetSubroutineLibrary(":Mark\r\n" + Logs("S") +
                              "\r\nReturn\r\n"
                              ":One\r\nGetObjectInfo \"Box\" \"Left\" \"[L1]\"\r\n" + Logs("1") +
                              "\r\nReturn\r\n"
                              ":Two\r\n" + Logs("2") + "\r\nReturn\r\n");
  // An empty path ends at once, "Loop" or not.
  RunNow({Move("Box", "", "0", "Loop Restore", "Mark"), Logs("A")});
  EXPECT_EQ(Var("[Log]"), "A");
  EXPECT_EQ(MoverCount(), 0);
  ASSERT_TRUE(WaitUntil([&] { return Var("[Log]") == "AS"; }));

  vars.SetVar("[Log]", "");
  Run({Move("Box", "5000,35", "0", "Loop Restore", "One"),
       Move("Other", "210,5000", "0", "Loop Restore", "Two")});
  ASSERT_TRUE(WaitForMove("Box"));
  ASSERT_TRUE(WaitForMove("Other"));
  // Every mover ended before the stop returns, so the box is back and free
  // for a new mover at once.
  RunNow({"StopMovingObject \"\"", "GetObjectInfo \"Box\" \"Left\" \"[Back]\"",
          Move("Box", "300,35", "0", "", "Mark"), Logs("A")});
  EXPECT_EQ(Var("[Back]"), std::to_string(kBoxStart.x()));
  EXPECT_EQ(Var("[Log]"), "A");
  EXPECT_EQ(MoverCount(), 1);
  ASSERT_TRUE(WaitUntil([&] { return Var("[Log]") == "A12S"; }));
  EXPECT_EQ(Var("[L1]"), std::to_string(kBoxStart.x()));
  EXPECT_EQ(At("Box"), QPoint(300 - kBoxStart.width() / 2, kBoxStart.y()));
  EXPECT_EQ(At("Other"), kOtherStart.topLeft());
}

// Once a spin that hung the publication: a looping path of equal points
// pauses a step period at each point, so scripts and other work go on.
TEST_F(MoverCommands, ALoopOfEqualPointsLeavesThePublicationRunning) {
  ASSERT_TRUE(OpenPages());
  const std::string point = std::to_string(kBoxStart.x() + kBoxStart.width() / 2) + "," +
                            std::to_string(kBoxStart.y() + kBoxStart.height() / 2);
  Run(Move("Box", point + "," + point, "0", "Loop"));
  EXPECT_EQ(MoverCount(), 1);
  bool served = false;
  QTimer::singleShot(0, [&] { served = true; });
  ASSERT_TRUE(WaitUntil([&] { return served; }));
  Run("StopMovingObject \"Box\"");
  EXPECT_EQ(MoverCount(), 0);
  EXPECT_EQ(At("Box"), kBoxStart.topLeft());
}

}  // namespace
}  // namespace orv
