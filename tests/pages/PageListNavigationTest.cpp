#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

#include "commands/CoreCommands.h"
#include "pages/BackgroundObject.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "script/Engine.h"
#include "script/HeadlessScriptHost.h"
#include "script/HeadlessVarHost.h"
#include "ui/PostedWorkEvent.h"

namespace orv {
namespace {

using Trace = std::vector<std::string>;

class RecordingObject : public TBackgroundObject {
 public:
  RecordingObject(std::string name, Trace& trace) : name_(std::move(name)), trace_(trace) {}
  const std::string& ObjectName() const override { return name_; }
  void Notify(int message, const std::string&, const std::string&) override {
    trace_.push_back(name_ + " " + std::to_string(message));
  }
  void PaintTo(QPainter&) override {}
  bool IsObjectVisible() const override { return true; }
  bool IsObjectEnabled() const override { return true; }

 private:
  std::string name_;
  Trace& trace_;
};

class RecordingSteps : public TPageChangeSteps {
 public:
  explicit RecordingSteps(Trace& trace) : trace_(trace) {}
  void NotifyPluginsPageChange(int index) override { Add("plugins", index); }
  void ShowWaitCursor() override { Add("wait cursor"); }
  void RestoreCursor() override { Add("restore cursor"); }
  void CaptureOldPicture(int index) override { Add("old picture", index); }
  void StopMovers() override { Add("stop movers"); }
  void SuspendCartoons() override { Add("suspend cartoons"); }
  void ResumeCartoons() override { Add("resume cartoons"); }
  void HideDragImage() override { Add("hide drag image"); }
  void ShowDragImage() override { Add("show drag image"); }
  void SelectPagePalette(int index) override { Add("palette", index); }
  void PlayTransition(int index, int direction) override {
    Add("transition " + std::to_string(index), direction);
  }
  void FocusFirstObject(int index) override { Add("focus", index); }
  void ReportPageShown(int index) override { Add("report", index); }
  void RestartIdleTimer() override { Add("idle"); }

 private:
  void Add(const std::string& what) { trace_.push_back(what); }
  void Add(const std::string& what, int n) { trace_.push_back(what + " " + std::to_string(n)); }
  Trace& trace_;
};

class PageListNavigationTest : public ::testing::Test {
 protected:
  PageListNavigationTest() {
    RegisterCoreCommands(engine.Commands());
    // Every script here is one line: the trace shows each run once.
    engine.SetLineTracer([this](const TActionEval& eval) {
      trace.push_back("script " + std::to_string(eval.Source()) + " " + eval.SourceName());
      if (eval.Source() == closeDuringSource) engine.SetClosing(true);
    });
    list.resize(320, 200);
    for (const char* name : {"Master", "One", "Two", "Three", "Four"}) {
      TOVPage& page = list.InsertPage(name, list.Count());
      objects.push_back(std::make_unique<RecordingObject>(name, trace));
      page.Background().AddObject(objects.back().get());
      page.Background().SetMasterPage(&list.Page(0)->Background());
    }
    for (int i = 1; i <= 4; ++i) {
      Background(i).SetEnterAction("SetVar \"[entered]\" \"" + list.Page(i)->Name() + "\"");
      Background(i).SetExitAction("SetVar \"[left]\" \"" + list.Page(i)->Name() + "\"");
    }
  }

  TOrvalisBackground& Background(int index) { return list.Page(index)->Background(); }
  // The first page as the publication shows it, then a clean trace.
  void Start(int index = 1) {
    navigator.ShowPage(index);
    trace.clear();
  }
  bool Ran(int source) {
    const std::string prefix = "script " + std::to_string(source);
    for (const std::string& t : trace)
      if (t.rfind(prefix, 0) == 0) return true;
    return false;
  }
  std::vector<int> HistoryEntries() {
    std::vector<int> out;
    for (int i = 0; i < navigator.History().Count(); ++i) out.push_back(navigator.History().At(i));
    return out;
  }
  bool HasVariable(const std::string& name) {
    for (const VarEntry& e : vars.Globals())
      if (e.Name == name) return true;
    return false;
  }

  Trace trace;
  int closeDuringSource = -1;
  THeadlessVarHost varHost;
  TVars vars{varHost};
  THeadlessScriptHost host{nullptr};
  TScriptEngine engine{vars, host};
  TOVPageList list;
  std::vector<std::unique_ptr<RecordingObject>> objects;
  RecordingSteps steps{trace};
  TPageNavigator navigator{list, engine, &steps};
};

TEST_F(PageListNavigationTest, OnePageChangeInOrder) {
  navigator.SetPageChangeAction("SetVar \"[seen]\" \"[PageChangeName]\"");
  Background(2).SetEffect("Fade");
  Start(1);
  ASSERT_TRUE(navigator.RequestPageChange(2, true));
  // Both pages show the master page, so its objects hear the notifications.
  EXPECT_EQ(trace, (Trace{"script 56 ",       "script 51 One",   "plugins 2",        "wait cursor",
                          "old picture 2",    "stop movers",     "suspend cartoons", "hide drag image",
                          "One 1227",         "Master 1227",     "Two 1228",         "Master 1228",
                          "report 2",         "palette 2",       "transition 2 1",   "Two 1229",
                          "Master 1229",      "focus 2",         "resume cartoons",  "show drag image",
                          "restore cursor",   "script 50 Two",   "idle"}));
  EXPECT_EQ(list.PageIndex(), 2);
  EXPECT_EQ(vars.GetVar("[seen]"), "Two");
  EXPECT_EQ(vars.GetVar("[left]"), "One");
  EXPECT_EQ(vars.GetVar("[entered]"), "Two");
  EXPECT_FALSE(HasVariable("PageChangeName"));
}

TEST_F(PageListNavigationTest, StartupActionRunsOnceBeforeTheFirstEnterAction) {
  navigator.SetStartupAction("SetVar \"[started]\" \"yes\"");
  navigator.ShowPage(1);
  EXPECT_EQ(trace.front(), "plugins 1");
  EXPECT_EQ(trace[trace.size() - 3], "script 52 ");
  EXPECT_EQ(trace[trace.size() - 2], "script 50 One");
  EXPECT_TRUE(navigator.StartupDone());
  EXPECT_EQ(HistoryEntries(), (std::vector<int>{1}));  // begins with the start page
  trace.clear();
  navigator.ShowPage(3);
  EXPECT_FALSE(Ran(52));
  EXPECT_TRUE(Ran(50));
}

TEST_F(PageListNavigationTest, EmptiedNameCancelsWithoutExitAction) {
  navigator.SetPageChangeAction("SetVar \"[PageChangeName]\" \"\"");
  Start(1);
  EXPECT_FALSE(navigator.RequestPageChange(3, true));
  EXPECT_EQ(trace, (Trace{"script 56 "}));
  EXPECT_EQ(list.PageIndex(), 1);
  EXPECT_EQ(HistoryEntries(), (std::vector<int>{1}));
  EXPECT_FALSE(HasVariable("PageChangeName"));
}

TEST_F(PageListNavigationTest, NamedPageRedirectsAndExitRunsOnce) {
  navigator.SetPageChangeAction("SetVar \"[PageChangeName]\" \"fOUR\"");
  Start(1);
  EXPECT_TRUE(navigator.RequestPageChange(2, true));
  EXPECT_EQ(list.PageIndex(), 4);
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "script 51 One"), 1);
  EXPECT_EQ(vars.GetVar("[entered]"), "Four");
  EXPECT_EQ(std::count(trace.begin(), trace.end(), "Two 1228"), 0);
}

TEST_F(PageListNavigationTest, UnknownOrMasterNameCancelsWithMessage) {
  for (const char* name : {"Nowhere", "master"}) {
    SCOPED_TRACE(name);
    navigator.SetPageChangeAction(std::string("SetVar \"[PageChangeName]\" \"") + name + "\"");
    Start(1);
    vars.ClearLastError();
    EXPECT_FALSE(navigator.RequestPageChange(2, true));
    EXPECT_EQ(list.PageIndex(), 1);
    EXPECT_EQ(vars.GetVar("[LastError]"), "Pagina inesistente!");
    EXPECT_EQ(trace, (Trace{"script 56 "}));
  }
}

TEST_F(PageListNavigationTest, WithoutActionsOnlyTheSwitchRuns) {
  navigator.SetPageChangeAction("SetVar \"[PageChangeName]\" \"\"");
  Start(1);
  EXPECT_TRUE(navigator.RequestPageChange(3, false));
  EXPECT_EQ(list.PageIndex(), 3);
  EXPECT_FALSE(Ran(56));
  EXPECT_FALSE(Ran(51));
  EXPECT_TRUE(Ran(50));  // the enter action belongs to the switch
}

TEST_F(PageListNavigationTest, InvalidTargetDoesNothing) {
  Start(1);
  for (int index : {-1, 5, 99}) {
    EXPECT_FALSE(navigator.RequestPageChange(index, true));
    navigator.ShowPage(index);
  }
  EXPECT_TRUE(trace.empty());
  EXPECT_EQ(list.PageIndex(), 1);
}

// The publication may start closing inside any script a change runs; the
// change then goes no further.
TEST_F(PageListNavigationTest, ClosingInsideAScriptStopsTheChange) {
  struct Case {
    int source;
    int pageAfter;
    bool enterRan;
  };
  for (const Case& c : {Case{56, 1, false}, Case{51, 1, false}, Case{52, 2, false}}) {
    SCOPED_TRACE(c.source);
    trace.clear();
    engine.SetClosing(false);
    list.Clear();
    objects.clear();
    for (const char* name : {"Master", "One", "Two"}) list.InsertPage(name, list.Count());
    Background(1).SetExitAction("SetVar \"[left]\" \"One\"");
    Background(2).SetEnterAction("SetVar \"[entered]\" \"Two\"");
    TPageNavigator fresh(list, engine, &steps);
    fresh.SetPageChangeAction("SetVar \"[x]\" \"1\"");
    fresh.SetStartupAction("SetVar \"[started]\" \"1\"");
    if (c.source != 52) {
      fresh.ShowPage(1);
      trace.clear();
    }
    closeDuringSource = c.source;
    if (c.source == 52)
      fresh.ShowPage(2);
    else
      fresh.RequestPageChange(2, true);
    EXPECT_EQ(list.PageIndex(), c.pageAfter);
    EXPECT_EQ(Ran(50), c.enterRan);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "idle"), 0);
  }
}

TEST_F(PageListNavigationTest, HistoryKeepsTheLatest25) {
  Start(1);
  std::vector<int> expected{1};
  for (int i = 0; i < 40; ++i) {
    const int from = list.PageIndex();
    navigator.ShowPage(from % 4 + 1);
    expected.push_back(from);
  }
  expected.erase(expected.begin(), expected.end() - 25);
  EXPECT_EQ(navigator.History().Count(), 25);
  EXPECT_EQ(HistoryEntries(), expected);
}

TEST_F(PageListNavigationTest, DisabledHistoryRecordsNothing) {
  Start(1);
  navigator.History().SetEnabled(false);
  navigator.ShowPage(2);
  EXPECT_EQ(HistoryEntries(), (std::vector<int>{1}));
}

TEST_F(PageListNavigationTest, ReturnToPageWalksBack) {
  Start(1);
  navigator.RequestPageChange(2, true);
  navigator.RequestPageChange(3, true);
  ASSERT_EQ(HistoryEntries(), (std::vector<int>{1, 1, 2}));
  navigator.ReturnToPage();
  EXPECT_EQ(list.PageIndex(), 2);
  EXPECT_EQ(vars.GetVar("[left]"), "Three");  // through the full change
  EXPECT_EQ(HistoryEntries(), (std::vector<int>{1, 1}));
  EXPECT_TRUE(navigator.History().Enabled());
  navigator.ReturnToPage();
  EXPECT_EQ(list.PageIndex(), 1);
  EXPECT_EQ(HistoryEntries(), (std::vector<int>{1}));
  navigator.ReturnToPage();  // already there: the entry goes, nothing else
  EXPECT_EQ(list.PageIndex(), 1);
  EXPECT_TRUE(navigator.History().Empty());
  trace.clear();
  navigator.ReturnToPage();
  EXPECT_TRUE(trace.empty());
  EXPECT_TRUE(navigator.History().Enabled());
}

TEST_F(PageListNavigationTest, ReturnToPageIgnoresTheMasterPage) {
  Start(1);
  navigator.History().Clear();
  navigator.History().Add(0);
  navigator.ReturnToPage();
  EXPECT_EQ(list.PageIndex(), 1);
}

TEST_F(PageListNavigationTest, NavigationKeysPostAPageChange) {
  struct Case {
    int key;
    int from;
    int to;
  };
  const Case cases[] = {
      {Qt::Key_PageUp, 3, 2},   {Qt::Key_PageUp, 1, 1}, {Qt::Key_PageDown, 2, 3},
      {Qt::Key_PageDown, 4, 4}, {Qt::Key_Home, 3, 1},   {Qt::Key_Home, 1, 1},
      {Qt::Key_End, 2, 4},      {Qt::Key_End, 4, 4},
  };
  TPageNavigator::KeySettings settings;
  settings.AllowPageUpDown = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.key) + " from " + std::to_string(c.from));
    navigator.ShowPage(c.from);
    trace.clear();
    EXPECT_EQ(navigator.HandleKey(c.key, settings), TPageNavigator::KeyResult::Consumed);
    EXPECT_EQ(list.PageIndex(), c.from);  // not before the loop delivers it
    QCoreApplication::sendPostedEvents(&navigator, kPageChangeEvent);
    EXPECT_EQ(list.PageIndex(), c.to);
    if (c.from == c.to) EXPECT_TRUE(trace.empty());
    else EXPECT_TRUE(Ran(51));  // a full change, actions included
  }
}

TEST_F(PageListNavigationTest, KeysOutsideTheirSettingsAreLeftAlone) {
  Start(2);
  using R = TPageNavigator::KeyResult;
  TPageNavigator::KeySettings none;
  EXPECT_EQ(navigator.HandleKey(Qt::Key_PageDown, none), R::Ignored);
  EXPECT_EQ(navigator.HandleKey(Qt::Key_Escape, none), R::Ignored);
  TPageNavigator::KeySettings edit;
  edit.AllowPageUpDown = true;
  edit.EditHasFocus = true;
  EXPECT_EQ(navigator.HandleKey(Qt::Key_Home, edit), R::Ignored);
  EXPECT_EQ(navigator.HandleKey(Qt::Key_End, edit), R::Ignored);
  TPageNavigator::KeySettings esc;
  esc.AllowEsc = true;
  EXPECT_EQ(navigator.HandleKey(Qt::Key_Escape, esc), R::Close);
  esc.EscBlocked = true;
  EXPECT_EQ(navigator.HandleKey(Qt::Key_Escape, esc), R::Ignored);
  QCoreApplication::sendPostedEvents(&navigator, kPageChangeEvent);
  EXPECT_EQ(list.PageIndex(), 2);
}

TEST_F(PageListNavigationTest, MasterPageShowsBehindPagesThatAskForIt) {
  TOrvalisBackground& master = Background(0);
  Background(2).SetShowMasterPage(true);
  Background(2).SetBackgroundStyle(pbGradient);
  Background(2).SetGradientColor1(0x0000FF);
  Background(3).SetShowMasterPage(false);
  Start(1);
  navigator.ShowPage(2);
  EXPECT_EQ(master.parentWidget(), &Background(2));
  EXPECT_EQ(master.BackgroundStyle(), pbGradient);
  EXPECT_EQ(master.GradientColor1(), 0x0000FFu);
  navigator.ShowPage(3);
  EXPECT_EQ(master.parentWidget(), list.Page(0));
  EXPECT_EQ(master.BackgroundStyle(), pbSolid);
  EXPECT_EQ(master.Color(), 0xFFFFFFu);
}

}  // namespace
}  // namespace orv
