// The timer: ticks on an injected clock (RunOnce, intervals, the elapsed
// time), page leaving, suspension, and ticks that never overlap.
#include <gtest/gtest.h>

#include <QTimer>
#include <climits>
#include <memory>
#include <regex>
#include <string>

#include "commands/media/MediaCommands.h"
#include "commands/objects/ObjectCommandFixture.h"
#include "objects/media/ManualStepClock.h"
#include "objects/media/Timer.h"
#include "pages/BackgroundMessages.h"

namespace orv::test {
namespace {

class TimerTest : public ObjectCommandFixture {
 protected:
  TimerTest() { RegisterMediaCommands(engine.Commands()); }

  // Page 1 holds the timer "Clock" with `keys`, page 2 a box; the timer
  // then keeps time on a clock of the test's.
  TOrvalisTimer* OpenTimer(std::initializer_list<std::string> keys) {
    std::string page1 = "NewPage=One\r\n" + ObjectLines(15, "Clock", QRect(10, 10, 32, 32));
    for (const std::string& key : keys) page1 += key + "\r\n";
    if (!Open(page1 + "NewPage=Two\r\n" + Box("Box", QRect(10, 10, 50, 50), kDocRed))) return nullptr;
    auto* timer = Find<TOrvalisTimer>("Clock");
    if (timer == nullptr) return nullptr;
    auto owned = std::make_unique<ManualStepClock>();
    clock = owned.get();
    timer->SetStepClock(std::move(owned));
    vars.SetVar("[Log]", "");
    return timer;
  }
  int Ticks() { return static_cast<int>(Var("[Log]").size()); }

  ManualStepClock* clock = nullptr;
};

TEST_F(TimerTest, RunOnceTicksOnceAndRepeatingTicksEveryInterval) {
  struct Case {
    bool runOnce;
    int expectedTicks;
  };
  for (const Case& c : {Case{true, 1}, Case{false, 3}}) {
    SCOPED_TRACE(c.runOnce ? "RunOnce" : "repeating");
    constexpr int kInterval = 250;
    TOrvalisTimer* timer = OpenTimer({"AutoStart=No", "VarName=Elapsed", "ObjAction=" + Logs("t"),
                                      std::string("RunOnce=") + (c.runOnce ? "Yes" : "No")});
    ASSERT_NE(timer, nullptr);
    timer->Start(kInterval);
    EXPECT_EQ(Var("[Elapsed]"), "0");
    clock->Advance(kInterval - 1);
    EXPECT_EQ(Ticks(), 0);
    clock->Advance(1 + 2 * kInterval);
    EXPECT_EQ(Ticks(), c.expectedTicks);
    EXPECT_EQ(timer->Running(), !c.runOnce);
    EXPECT_EQ(clock->Pending(), !c.runOnce);
    // The variable holds the elapsed time at the last tick.
    EXPECT_EQ(Var("[Elapsed]"), std::to_string(c.expectedTicks * kInterval));
  }
}

TEST_F(TimerTest, IntervalIsTheMagnitudeAndRunsAtLeastTenMilliseconds) {
  struct Case {
    int given;
    int interval;
    int delay;
  };
  for (const Case& c : {Case{-250, 250, 250}, Case{INT_MIN, INT_MAX, INT_MAX}, Case{0, 0, 10}, Case{3, 3, 10},
                        Case{10, 10, 10}, Case{11, 11, 11}}) {
    SCOPED_TRACE(c.given);
    TOrvalisTimer* timer = OpenTimer({"AutoStart=No"});
    ASSERT_NE(timer, nullptr);
    timer->Start(c.given);
    EXPECT_EQ(timer->Interval(), c.interval);
    EXPECT_EQ(clock->LastDelay(), c.delay);
  }
}

TEST_F(TimerTest, DocumentIntervalIsStoredAsItsMagnitude) {
  TOrvalisTimer* timer = OpenTimer({"AutoStart=No", "Interval=-700"});
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Interval(), 700);
}

TEST_F(TimerTest, AutoStartStartsOnPageShownWithTheDocumentInterval) {
  // Started by the page, before the test's clock came: its step moved over.
  TOrvalisTimer* timer = OpenTimer({"Interval=400", "ObjAction=" + Logs("t")});
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Running());
  clock->Advance(400);
  EXPECT_EQ(Ticks(), 1);
}

TEST_F(TimerTest, PageLeavingStopsOnlyWithAutoStopAndLeavesTheVariable) {
  for (const bool autoStop : {true, false}) {
    SCOPED_TRACE(autoStop ? "AutoStop" : "no AutoStop");
    TOrvalisTimer* timer = OpenTimer({"Interval=100", "VarName=Elapsed", "ObjAction=" + Logs("t"),
                                      std::string("AutoStop=") + (autoStop ? "Yes" : "No")});
    ASSERT_NE(timer, nullptr);
    clock->Advance(50);
    vars.SetVar("[Elapsed]", "kept");
    Run("GotoPage \"Two\"");
    ASSERT_EQ(Page(), 2);
    EXPECT_EQ(timer->Running(), !autoStop);
    EXPECT_EQ(Var("[Elapsed]"), "kept");
    clock->Advance(100);
    EXPECT_EQ(Ticks(), autoStop ? 0 : 1);
  }
}

TEST_F(TimerTest, ComingBackStartsAStoppedTimerAfreshAndLetsARunningOneGoOn) {
  for (const bool autoStop : {true, false}) {
    SCOPED_TRACE(autoStop ? "AutoStop" : "no AutoStop");
    TOrvalisTimer* timer = OpenTimer(
        {"Interval=100", "VarName=Elapsed", std::string("AutoStop=") + (autoStop ? "Yes" : "No")});
    ASSERT_NE(timer, nullptr);
    clock->Advance(60);
    Run("GotoPage \"Two\"");
    clock->Advance(10);
    Run("GotoPage \"One\"");
    ASSERT_EQ(Page(), 1);
    EXPECT_TRUE(timer->Running());
    // A fresh start counts from the return (and writes 0); a running timer
    // ticks at its first interval from its own start.
    clock->Advance(30);
    EXPECT_EQ(Var("[Elapsed]"), autoStop ? "0" : "100");
  }
}

TEST_F(TimerTest, SuspensionPausesRunningTimersAndResumeContinuesOnlyThose) {
  struct Case {
    const char* name;
    bool startFirst;      // running when the suspension comes
    const char* resume;   // the text that ends it
    bool startDuring;     // started while suspended
    bool runningAfter;
    int ticks;            // over three intervals after the resume
  };
  for (const Case& c : {Case{"running, resumed with 1", true, "1", false, true, 3},
                        Case{"running, resumed with any text", true, "go on", false, true, 3},
                        Case{"running, resumed with nothing", true, "", false, true, 3},
                        Case{"stopped stays stopped", false, "1", false, false, 0},
                        Case{"started while suspended", false, "1", true, true, 3}}) {
    SCOPED_TRACE(c.name);
    TOrvalisTimer* timer = OpenTimer({"AutoStart=No", "Interval=100", "ObjAction=" + Logs("t")});
    ASSERT_NE(timer, nullptr);
    TOrvalisBackground& page = form->Pages().Page(1)->Background();
    if (c.startFirst) timer->Start(100);
    clock->Advance(50);
    page.NotifyObjects(kMsgSuspendResume, "0", {}, true);
    EXPECT_EQ(timer->Suspended(), c.startFirst);
    clock->Advance(500);
    EXPECT_EQ(Ticks(), 0) << "ticked while suspended";
    if (c.startDuring) timer->Start(100);
    page.NotifyObjects(kMsgSuspendResume, c.resume, {}, true);
    EXPECT_FALSE(timer->Suspended());
    clock->Advance(300);
    EXPECT_EQ(timer->Running(), c.runningAfter);
    EXPECT_EQ(Ticks(), c.ticks);
  }
}

TEST_F(TimerTest, TickStopsTheTimerWhileItsScriptWaits) {
  TOrvalisTimer* timer =
      OpenTimer({"AutoStart=No", "Interval=100", "ObjAction=" + Logs("<") + "\xB6" "Delay \"20\"\xB6" + Logs(">")});
  ASSERT_NE(timer, nullptr);
  timer->Start(100);
  // Looked at from inside the script's Delay: nothing pending, and a tick
  // asked for then runs no second script.
  bool pendingInside = true;
  bool probed = false;
  QTimer::singleShot(0, form.get(), [&] {
    probed = true;
    pendingInside = clock->Pending();
    timer->Tick();
  });
  clock->Advance(100);
  EXPECT_TRUE(probed);
  EXPECT_FALSE(pendingInside);
  EXPECT_EQ(Var("[Log]"), "<>");
  // The next interval counts from the script's end.
  EXPECT_TRUE(clock->Pending());
  EXPECT_EQ(clock->LastDelay(), 100);
}

TEST_F(TimerTest, StartOrStopInsideTheTickScriptDecidesWhatFollows) {
  struct Case {
    const char* script;
    bool running;
    int delay;
  };
  for (const Case& c : {Case{"TimerStop \"Clock\"", false, -1}, Case{"TimerStart \"Clock\" \"30\"", true, 30}}) {
    SCOPED_TRACE(c.script);
    TOrvalisTimer* timer = OpenTimer({"AutoStart=No", "Interval=100", std::string("ObjAction=") + c.script});
    ASSERT_NE(timer, nullptr);
    timer->Start(100);
    clock->Advance(100);
    EXPECT_EQ(timer->Running(), c.running);
    EXPECT_EQ(clock->Pending(), c.running);
    if (c.running) {
      EXPECT_EQ(clock->LastDelay(), c.delay);
    }
  }
}

// On the player's own clock: ticks every 10 ms against a script that waits
// longer each time; the log shows whether two scripts ever ran at once.
TEST_F(TimerTest, RealTicksNeverOverlapAScriptThatWaits) {
  std::string page = "NewPage=One\r\n" +
                     ObjectLines(15, "Clock", QRect(10, 10, 32, 32),
                                 {"Interval=1", "ObjAction=" + Logs("<") + "\xB6" "Delay \"30\"\xB6" + Logs(">")});
  ASSERT_TRUE(Open(page));
  auto* timer = Find<TOrvalisTimer>("Clock");
  ASSERT_NE(timer, nullptr);
  ASSERT_TRUE(WaitUntil([this] { return Var("[Log]").size() >= 6; }, 20000));
  timer->Stop();
  EXPECT_TRUE(std::regex_match(Var("[Log]"), std::regex("(<>)+<?"))) << Var("[Log]");
}

}  // namespace
}  // namespace orv::test
