// TimerStart, TimerStop, GIFPlay and GIFStop through scripts, on the
// committed animated picture (written by an image tool) and on objects
// keeping time on a clock of the test's.
#include <gtest/gtest.h>

#include <QImage>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "commands/media/MediaCommands.h"
#include "commands/objects/ObjectCommandFixture.h"
#include "objects/media/Animator.h"
#include "objects/media/ManualStepClock.h"
#include "objects/media/Timer.h"

namespace orv::test {
namespace {

const std::string kSpin = ORVALIS_TEST_DATA_DIR "/media/spin.gif";
constexpr QPoint kAnimAt(40, 30);
constexpr int kSpinSide = 24;  // four frames: a red quarter going round clockwise
const QColor kSpinRed(0xD0, 0x20, 0x20);

class TimerAndAnimatorCommandsTest : public ObjectCommandFixture {
 protected:
  TimerAndAnimatorCommandsTest() { RegisterMediaCommands(engine.Commands()); }

  // One page with the timer "Clock", the animator "Anim" playing the spin
  // picture (with `animatorKeys`) and the box "Box"; both objects keep time
  // on clocks of the test's.
  bool OpenPage(std::initializer_list<std::string> animatorKeys = {}) {
    std::string page = "NewPage=One\r\n" +
                       ObjectLines(15, "Clock", QRect(300, 10, 32, 32),
                                   {"AutoStart=No", "Interval=500", "VarName=Elapsed"}) +
                       ObjectLines(19, "Anim", QRect(kAnimAt, QSize(80, 80)),
                                   {"FileName=" + kSpin, "LineWidth=0", "ObjDoneAction=" + Logs("done")});
    for (const std::string& key : animatorKeys) page += key + "\r\n";
    page += Box("Box", QRect(200, 200, 40, 40), kDocRed);
    if (!Open(page)) return false;
    timer = Find<TOrvalisTimer>("Clock");
    animator = Find<TOrvalisAnimator>("Anim");
    if (timer == nullptr || animator == nullptr) return false;
    auto timerClock = std::make_unique<ManualStepClock>();
    auto animatorClock = std::make_unique<ManualStepClock>();
    clock = timerClock.get();
    frames = animatorClock.get();
    timer->SetStepClock(std::move(timerClock));
    animator->SetStepClock(std::move(animatorClock));
    vars.SetVar("[Log]", "");
    return true;
  }

  // Which quarter of the spin picture is red: 0 top left, then clockwise;
  // -1 when none or more than one.
  int RedQuarter(const std::string& name = {}) {
    const QImage screen = Grab(name);
    const int q = kSpinSide / 4;
    const QPoint centres[4] = {{q, q}, {3 * q, q}, {3 * q, 3 * q}, {q, 3 * q}};
    int found = -1;
    for (int i = 0; i < 4; ++i) {
      if (QColor(screen.pixel(kAnimAt + centres[i])) != kSpinRed) continue;
      if (found != -1) return -1;
      found = i;
    }
    return found;
  }

  TOrvalisTimer* timer = nullptr;
  TOrvalisAnimator* animator = nullptr;
  ManualStepClock* clock = nullptr;
  ManualStepClock* frames = nullptr;
};

TEST_F(TimerAndAnimatorCommandsTest, TimerStartTakesTheMagnitudeAndTimerStopWritesTheTime) {
  struct Case {
    const char* interval;
    int expected;
    int delay;
  };
  for (const Case& c : {Case{"300", 300, 300}, Case{"-300", 300, 300}, Case{"0", 0, 10},
                        Case{"-99999999999", INT_MAX, INT_MAX}, Case{"not a number", 0, 10}}) {
    SCOPED_TRACE(c.interval);
    ASSERT_TRUE(OpenPage());
    Run(std::string("TimerStart \"clock\" \"") + c.interval + "\"");
    EXPECT_EQ(LastError(), "");
    EXPECT_TRUE(timer->Running());
    EXPECT_EQ(timer->Interval(), c.expected);
    EXPECT_EQ(clock->LastDelay(), c.delay);
    EXPECT_EQ(Var("[Elapsed]"), "0");
    clock->Advance(7);
    Run("TimerStop \"Clock\"");
    EXPECT_FALSE(timer->Running());
    EXPECT_FALSE(clock->Pending());
    EXPECT_EQ(Var("[Elapsed]"), "7");
  }
}

TEST_F(TimerAndAnimatorCommandsTest, MissingObjectsAreReportedAndOtherTypesLeftAlone) {
  ASSERT_TRUE(OpenPage());
  for (const std::string command : {"TimerStart", "TimerStop", "GIFPlay", "GIFStop"}) {
    SCOPED_TRACE(command);
    const bool takesNumber = command == "TimerStart" || command == "GIFPlay";
    const std::string number = takesNumber ? " \"100\"" : "";
    Run(command + " \"Nowhere\"" + number);
    EXPECT_EQ(LastError(), "\"Nowhere\"||Oggetto inesistente.");
    vars.SetVar("[LastError]", "");
    // The timer is no animator and the animator no timer.
    const std::string other = command.starts_with("Timer") ? "Anim" : "Clock";
    Run(command + " \"" + other + "\"" + number);
    Run(command + " \"Box\"" + number);
    EXPECT_EQ(LastError(), "");
  }
  EXPECT_FALSE(timer->Running());
  EXPECT_TRUE(animator->Animating());
}

TEST_F(TimerAndAnimatorCommandsTest, TheSpinPicturePlaysItsFramesInTurn) {
  ASSERT_TRUE(OpenPage());
  ASSERT_TRUE(animator->HasPicture());
  EXPECT_EQ(animator->size(), QSize(kSpinSide, kSpinSide));
  for (int step = 0; step < 6; ++step) {
    SCOPED_TRACE(step);
    EXPECT_EQ(RedQuarter(step == 1 ? "spin-step1" : ""), step % 4);
    ASSERT_TRUE(frames->Fire());
  }
}

TEST_F(TimerAndAnimatorCommandsTest, GIFPlayTakesTheNumberAsTheLoopsToPlay) {
  struct Case {
    const char* loops;
    int expected;
  };
  for (const Case& c : {Case{"2", 2}, Case{"-3", 3}}) {
    SCOPED_TRACE(c.loops);
    ASSERT_TRUE(OpenPage({"AutoStart=No"}));
    EXPECT_FALSE(animator->Playing());
    Run(std::string("GIFPlay \"Anim\" \"") + c.loops + "\"");
    EXPECT_TRUE(animator->Animating());
    EXPECT_EQ(animator->LoopCount(), c.expected);
    int steps = 0;
    while (steps < 100 && frames->Fire()) ++steps;
    EXPECT_EQ(steps, 4 * c.expected);
    QCoreApplication::processEvents();
    EXPECT_EQ(Var("[Log]"), "done");
  }
}

TEST_F(TimerAndAnimatorCommandsTest, GIFStopRewindsOrHoldsAsAutoRewindSays) {
  for (const bool autoRewind : {true, false}) {
    SCOPED_TRACE(autoRewind ? "AutoRewind" : "no AutoRewind");
    ASSERT_TRUE(OpenPage({std::string("AutoRewind=") + (autoRewind ? "Yes" : "No")}));
    frames->Fire();
    frames->Fire();
    Run("GIFStop \"Anim\"");
    EXPECT_FALSE(animator->Animating());
    const int held = autoRewind ? 0 : 2;
    EXPECT_EQ(RedQuarter(autoRewind ? "" : "spin-held"), held);
    Run("GIFPlay \"Anim\" \"0\"");
    frames->Fire();
    EXPECT_EQ(RedQuarter(), held + 1);
  }
}

// SetObjectFileName gives an animator its picture at once; RefreshObject
// loads it again.
TEST_F(TimerAndAnimatorCommandsTest, FileNameAndRefreshReachTheAnimator) {
  ASSERT_TRUE(OpenPage({"FileName=missing.gif"}));
  EXPECT_EQ(RedQuarter(), -1);
  Run("SetObjectFileName \"Anim\" \"" + kSpin + "\"");
  EXPECT_EQ(LastError(), "");
  EXPECT_EQ(animator->ImageFile(), kSpin);
  EXPECT_EQ(RedQuarter(), 0);
  Run("RefreshObject \"Anim\"");
  EXPECT_EQ(RedQuarter(), 0);
}

}  // namespace
}  // namespace orv::test
