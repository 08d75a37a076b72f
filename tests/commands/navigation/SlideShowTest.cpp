// The window's slide show on a timer stepped by hand: the order of its
// pages, looping, pausing, stopping with or without its finish subroutine,
// bad pages and delays, and enter actions that stop or replace the show
// while it changes pages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PageWindowFixture.h"
#include "base/Messages.h"

namespace orv {
namespace {

// Master page, then A, B and C; each enter action records the page.
const char kThreePages[] =
    "ScreenWidth=200\r\nScreenHeight=100\r\n"
    "NewPage=A\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]A\"\r\n"
    "NewPage=B\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]B\"\r\n"
    "NewPage=C\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]C\"\r\n";

class SlideShowTest : public test::PageWindowFixture {
 protected:
  void SetUp() override {
    engine.SetSubroutineLibrary(":Done\r\nSetVar \"[Finished]\" \"[Finished]f\"\r\n");
  }
  const TSlideShowRec* Show() { return form->SlideShow().Show(); }

  // Script lines run ("step" ticks the timer once) and what follows.
  struct Step {
    const char* action;
    const char* trace;     // the pages entered so far
    bool advancing;        // the timer runs
    const char* finished;  // the finish subroutine's record
  };
  void Play(const std::vector<Step>& steps, const char* name) {
    ASSERT_TRUE(Load(kThreePages));
    for (const Step& s : steps) {
      const std::string action = s.action;
      if (action == "step")
        EXPECT_TRUE(timer->Step()) << name << ": " << action;
      else
        Run(action);
      EXPECT_EQ(Var("Trace"), s.trace) << name << ": " << action;
      EXPECT_EQ(timer->Active(), s.advancing) << name << ": " << action;
      EXPECT_EQ(Var("Finished"), s.finished) << name << ": " << action;
    }
  }
};

TEST_F(SlideShowTest, ShowsItsPagesInOrderLoopsAndPausesOnTheTimer) {
  Play({{"StartSlideShow \"C|A|B\" \"500\" \"\" \"Done\"", "AC", true, ""},
        {"step", "ACA", true, ""},
        {"step", "ACAB", true, ""},
        {"step", "ACAB", false, "f"}},
       "order");
  EXPECT_EQ(Show(), nullptr);

  // The page already shown is not entered again.
  Play({{"StartSlideShow \"A|B\" \"100\" \"loop\" \"Done\"", "A", true, ""},
        {"step", "AB", true, ""},
        {"step", "ABA", true, ""},
        {"step", "ABAB", true, ""},
        {"StopSlideShow", "ABAB", false, "f"}},
       "loop");

  // The second pause shows the next page at once.
  Play({{"StartSlideShow \"A|B|C\" \"300\" \"\" \"Done\"", "A", true, ""},
        {"PauseSlideShow", "A", false, ""},
        {"PauseSlideShow", "AB", true, ""},
        {"step", "ABC", true, ""}},
       "pause twice");

  Play({{"StartSlideShow \"A|B|C\" \"300\" \"\" \"Done\"", "A", true, ""},
        {"PauseSlideShow", "A", false, ""},
        {"StopSlideShow", "A", false, ""}},
       "stop while paused");
  EXPECT_EQ(Show(), nullptr);

  // A new start ends the running show as StopSlideShow does.
  Play({{"StartSlideShow \"B|C\" \"300\" \"\" \"Done\"", "AB", true, ""},
        {"StartSlideShow \"A\" \"300\" \"\" \"\"", "ABA", true, "f"},
        {"step", "ABA", false, "f"}},
       "start again");

  Play({{"PauseSlideShow", "A", false, ""}, {"StopSlideShow", "A", false, ""}}, "no show");
}

TEST_F(SlideShowTest, AMissingFinishSubroutineIsReported) {
  ASSERT_TRUE(Load(kThreePages));
  Run("StartSlideShow \"A|B\" \"300\" \"\" \"Nowhere\"");
  timer->Step();
  timer->Step();
  EXPECT_EQ(Show(), nullptr);
  EXPECT_EQ(Var("LastError"), Message(msg::kNoSubroutine));
}

TEST_F(SlideShowTest, UnknownPagesEndTheStartOrTheAdvancing) {
  const std::string noPage(Message(msg::kNoPage));
  struct Case {
    const char* pages;
    int steps;
    bool showLeft;  // a failing later page leaves the show in place
    const char* lastError;
  } cases[] = {
      {"Nowhere|A", 0, false, "Nowhere"},
      {"B|Nowhere|C", 1, true, "Nowhere"},
      {"", 0, false, ""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load(kThreePages));
    Run(std::string("StartSlideShow \"") + c.pages + "\" \"300\" \"\" \"Done\"");
    for (int i = 0; i < c.steps; ++i) EXPECT_TRUE(timer->Step()) << c.pages;
    EXPECT_FALSE(timer->Active()) << c.pages;
    EXPECT_EQ(Show() != nullptr, c.showLeft) << c.pages;
    EXPECT_EQ(Var("LastError"), "\"" + std::string(c.lastError) + "\"\r" + noPage) << c.pages;
    EXPECT_EQ(Var("Finished"), "") << c.pages;
  }
  // "All" of a publication without pages has not a single one to show.
  ASSERT_TRUE(Load("ScreenWidth=200\r\nScreenHeight=100\r\n", 0));
  Run("StartSlideShow \"All\" \"300\" \"\" \"\"");
  EXPECT_EQ(Show(), nullptr);
  EXPECT_EQ(Var("LastError"), "\"\"\r" + noPage);
}

TEST_F(SlideShowTest, AllShowsEveryPageInPageOrder) {
  ASSERT_TRUE(Load(kThreePages, 2));
  Run("StartSlideShow \"all\" \"300\" \"\" \"\"");
  ASSERT_NE(Show(), nullptr);
  EXPECT_EQ(Show()->Pages, (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(Var("Trace"), "BA");
}

TEST_F(SlideShowTest, TheDelayIsAtLeast100MsAndAtMostTheLongestTimerInterval) {
  struct Case {
    const char* delay;
    int interval;
  } cases[] = {
      {"2500", 2500},     {"2500.9", 2500},         {"ten", TSlideShow::kDefaultDelayMs},
      {"", 2000},         {"10", 100},              {"-4294967296", 100},
      {"4294967396", TSlideShow::kLongestDelayMs}, {"1E300", TSlideShow::kLongestDelayMs},
  };
  ASSERT_TRUE(Load(kThreePages));
  for (const Case& c : cases) {
    Run(std::string("StartSlideShow \"A|B\" \"") + c.delay + "\" \"\" \"\"");
    EXPECT_TRUE(timer->Active()) << c.delay;
    EXPECT_EQ(timer->Interval(), c.interval) << c.delay;
  }
}

// The enter action of a page the show moves to may end the show or start
// another one; the tick that made the change must leave both alone.
TEST_F(SlideShowTest, EnterActionsThatStopOrReplaceTheShowAreObeyed) {
  struct Case {
    const char* enterOfB;
    bool advancing;
    std::vector<std::string> pagesAfter;  // empty: no show
    const char* trace;
  } cases[] = {
      {"StopSlideShow", false, {}, "AB"},
      {"PauseSlideShow", false, {"A", "B", "C"}, "AB"},
      {"StartSlideShow \"C|A\" \"700\" \"\" \"\"", true, {"C", "A"}, "ABC"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load(std::string("ScreenWidth=200\r\nScreenHeight=100\r\n"
                                 "NewPage=A\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]A\"\r\n"
                                 "NewPage=B\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]B\"\xB6") +
                     c.enterOfB + "\r\nNewPage=C\r\nPgEnterAction=SetVar \"[Trace]\" \"[Trace]C\"\r\n"));
    Run("StartSlideShow \"A|B|C\" \"300\" \"\" \"Done\"");
    EXPECT_TRUE(timer->Step());
    EXPECT_EQ(timer->Active(), c.advancing) << c.enterOfB;
    if (c.advancing) {
      EXPECT_EQ(timer->Interval(), 700);
    }
    EXPECT_EQ(Show() != nullptr ? Show()->Pages : std::vector<std::string>{}, c.pagesAfter) << c.enterOfB;
    EXPECT_EQ(Var("Trace"), c.trace) << c.enterOfB;
  }
}

TEST_F(SlideShowTest, AFirstPageWhoseEnterActionStopsTheShowLeavesItStopped) {
  ASSERT_TRUE(Load(std::string("ScreenWidth=200\r\nScreenHeight=100\r\nNewPage=A\r\n"
                               "NewPage=B\r\nPgEnterAction=StopSlideShow\r\n")));
  Run("StartSlideShow \"B|A\" \"300\" \"\" \"Done\"");
  EXPECT_EQ(Show(), nullptr);
  EXPECT_FALSE(timer->Active());
  // It was not running yet: no finish subroutine.
  EXPECT_EQ(Var("Finished"), "");
}

TEST_F(SlideShowTest, ClosingTheWindowStopsTheShow) {
  ASSERT_TRUE(Load(kThreePages));
  Run("StartSlideShow \"A|B|C\" \"300\" \"\" \"Done\"");
  form->show();
  EXPECT_TRUE(form->close());
  EXPECT_EQ(Show(), nullptr);
  EXPECT_FALSE(timer->Active());
  EXPECT_EQ(Var("Finished"), "f");
}

}  // namespace
}  // namespace orv
