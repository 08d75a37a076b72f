// The track bar's steps without the mouse: the loaded value, SetValue and
// its change step, the media player's handler, moving the range, and
// following the bound variable.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <climits>
#include <string>

#include "objects/ObjectPage.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/buttons/ButtonPage.h"
#include "objects/input/TrackBar.h"
#include "script/VarChangeNotifier.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;

// A bar named T over 0..10 bound to [T], its change script logging "c" and
// the value it finds in the variable.
std::string BarLines(std::initializer_list<std::string> extra = {}) {
  std::string lines = ObjectLines(16, "T", QRect(10, 10, 110, 20),
                                  {"VarName=T", "Min=0", "Max=10", "ObjAction=" + Logs("c[T]")});
  for (const std::string& key : extra) lines += key + "\r\n";
  return lines;
}

class TrackBarSteps : public ::testing::Test {
 protected:
  void Make(std::initializer_list<std::string> extra = {}, bool loaded = true) {
    page_ = std::make_unique<test::ButtonPage>(BarLines(extra), test::ButtonPageOptions{.loaded = loaded});
    bar = page_->Find<TOrvalisTrackBar>("T");
    ASSERT_NE(bar, nullptr);
  }
  // The posted change scripts run.
  std::string Log() {
    QCoreApplication::processEvents();
    return page_->Var("[Log]");
  }
  TVars& Vars() { return page_->host.vars; }

  std::unique_ptr<test::ButtonPage> page_;
  TOrvalisTrackBar* bar = nullptr;
};

TEST_F(TrackBarSteps, TheLoadSetsTheInitialValueAndWritesItWithoutTheChangeScript) {
  const struct {
    const char* initState;
    const char* before;
    int value;
    const char* after;
  } cases[] = {
      {"4", "9", 4, "4"},
      {"0", "anything", 0, "0"},
      {"50", "", 10, "10"},  // clamped into the range
      {"-7", "", 0, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.initState);
    Make({std::string("InitState=") + c.initState}, false);
    Vars().SetVar("[T]", c.before);
    page_->Load();
    EXPECT_EQ(bar->Value(), c.value);
    EXPECT_EQ(page_->Var("[T]"), c.after);
    EXPECT_EQ(Log(), "");
  }
}

TEST_F(TrackBarSteps, SetValueClampsShowsWritesAndPostsTheChangeScriptOnce) {
  Make({"InitState=3"});
  const struct {
    int set;
    int value;
    const char* log;  // what the change scripts logged, all runs so far
  } steps[] = {
      {7, 7, "c7"},
      {7, 7, "c7"},  // no change: nothing runs
      {99, 10, "c7c10"},
      {INT_MIN, 0, "c7c10c0"},
  };
  for (const auto& s : steps) {
    bar->SetValue(s.set);
    EXPECT_EQ(bar->Value(), s.value) << s.set;
    EXPECT_EQ(Log(), s.log) << s.set;
  }
}

TEST_F(TrackBarSteps, WhileClosingTheVariableIsWrittenButNoScriptRuns) {
  Make();
  page_->host.engine.SetClosing(true);
  bar->SetValue(6);
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(page_->Var("[T]"), "6");
  page_->host.engine.SetClosing(false);
}

TEST_F(TrackBarSteps, TheMediaPlayersHandlerTakesTheChangeStepInstead) {
  Make();
  int calls = 0;
  int seen = -1;
  bar->SetChangeHandler([&] {
    ++calls;
    seen = bar->Value();
  });
  bar->SetValue(8);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(seen, 8);
  EXPECT_EQ(page_->Var("[T]"), "0");  // the loaded value: the handler writes nothing
  EXPECT_EQ(Log(), "");
  // Set internally (the player's own position): no step at all.
  bar->SetValueInternally(3);
  EXPECT_EQ(bar->Value(), 3);
  EXPECT_EQ(calls, 1);
  bar->SetChangeHandler({});
  bar->SetValue(4);
  EXPECT_EQ(Log(), "c4");
}

TEST_F(TrackBarSteps, MovingTheRangeKeepsItWholeAndPullsTheValueIn) {
  const struct {
    const char* label;
    int min, max, value;  // to start with
    bool setMinimum;
    int to;
    int wantMin, wantMax, wantValue;
    const char* log;
  } cases[] = {
      {"a minimum inside", 0, 10, 5, true, 3, 3, 10, 5, ""},
      {"a minimum above the value", 0, 10, 5, true, 7, 7, 10, 7, "c7"},
      {"a minimum above the maximum", 0, 10, 5, true, 15, 15, 16, 15, "c15"},
      {"a maximum below the minimum", 0, 10, 5, false, -5, -6, -5, -5, "c-5"},
      {"a maximum below the value", 0, 10, 5, false, 2, 0, 2, 2, "c2"},
      {"a minimum equal to the maximum", 0, 10, 5, true, 10, 10, 10, 10, "c10"},
      {"the largest minimum", 0, 10, 5, true, INT_MAX, INT_MAX - 1, INT_MAX, INT_MAX - 1,
       "c2147483646"},
      {"the smallest maximum", 0, 10, 5, false, INT_MIN, INT_MIN, INT_MIN + 1, INT_MIN + 1,
       "c-2147483647"},
      {"the whole range", INT_MIN, INT_MAX, 0, false, INT_MAX, INT_MIN, INT_MAX, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Make({"Min=" + std::to_string(c.min), "Max=" + std::to_string(c.max), "InitState=" + std::to_string(c.value)});
    if (c.setMinimum)
      bar->SetMinimum(c.to);
    else
      bar->SetMaximum(c.to);
    EXPECT_EQ(bar->Minimum(), c.wantMin);
    EXPECT_EQ(bar->Maximum(), c.wantMax);
    EXPECT_EQ(bar->Value(), c.wantValue);
    EXPECT_EQ(page_->Var("[T]"), std::to_string(c.wantValue));
    EXPECT_EQ(Log(), c.log);
    // The thumb stays on the bar.
    EXPECT_TRUE(bar->rect().contains(bar->ThumbRect())) << test::Text(bar->ThumbRect());
  }
}

TEST_F(TrackBarSteps, TheDocumentsRangeKeysRunNothing) {
  // A minimum above the default value pulls it in while the document is
  // read, with the change script already known: nothing may run then.
  Make({"Min=20", "Max=30"}, false);
  EXPECT_EQ(bar->Value(), 20);
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(page_->Var("[T]"), "");
}

TEST_F(TrackBarSteps, AChangingScriptOfSeveralLinesKeepsItsLines) {
  // The document writes the script's line breaks as "\xB6" in a key read
  // as a number.
  Make({"ChangingAction=SetVar \"[A]\" \"1\"\xB6SetVar \"[B]\" \"2\""});
  EXPECT_EQ(bar->ChangingAction(), "SetVar \"[A]\" \"1\"\r\nSetVar \"[B]\" \"2\"");
}

TEST_F(TrackBarSteps, TheVariableMovesTheBarButKeepsItsOwnText) {
  Make({"InitState=5"});
  const struct {
    const char* value;
    int shown;
  } cases[] = {
      {"7", 7},   {"50", 10},  {"-3", 0},     {"abc", 0},   {"4.9", 4},  {" 6 ", 6},
      {"", 6},    {"1e1", 10}, {"99999999999999999999", 10}, {"-99999999999", 0},
  };
  for (const auto& c : cases) {
    Vars().SetVar("[T]", c.value);
    EXPECT_EQ(bar->Value(), c.shown) << '"' << c.value << '"';
    EXPECT_EQ(page_->Var("[T]"), c.value);
  }
  EXPECT_EQ(Log(), "");
}

// Counts the notifications one variable sends.
class ChangeCounter : public TVarChangeReceiver {
 public:
  void VariableChanged(std::string_view, std::string_view) override { ++count; }
  int count = 0;
};

TEST_F(TrackBarSteps, AScriptSettingTheVariableRunsNoChangeScriptAndNoFurtherNotification) {
  Make({"InitState=1"});
  ChangeCounter counter;
  Vars().Notifier().Subscribe("[T]", &counter);
  page_->host.engine.RunScript("SetVar \"[T]\" \"50\"\r\n", 0, 1, 3, "Button");
  EXPECT_EQ(bar->Value(), 10);
  EXPECT_EQ(page_->Var("[T]"), "50");
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(counter.count, 1);
  Vars().Notifier().Unsubscribe("[T]", &counter);
}

TEST_F(TrackBarSteps, APictureNamedThroughAVariableTakesItsSizeWhenTheVariableChanges) {
  QTemporaryDir dir;
  const std::string small = test::BandPicture(dir, "small.png", 6, 14, {Qt::red});
  const std::string large = test::BandPicture(dir, "large.png", 16, 18, {Qt::blue});
  Make({"ThumbImage=[Knob]"});
  EXPECT_EQ(bar->ThumbWidth(), 10);  // nothing to read yet
  Vars().SetVar("[Knob]", small);
  EXPECT_EQ(QSize(bar->ThumbWidth(), bar->ThumbHeight()), QSize(6, 14));
  Vars().SetVar("[Knob]", large);
  EXPECT_EQ(QSize(bar->ThumbWidth(), bar->ThumbHeight()), QSize(16, 18));
  bar->SetTrackImageFile(small);
  EXPECT_EQ(QSize(bar->TrackWidth(), bar->TrackHeight()), QSize(6, 14));
  // A size set afterwards sets both sides again.
  bar->SetTrackHeight(4);
  EXPECT_EQ(QSize(bar->TrackWidth(), bar->TrackHeight()), QSize(4, 4));
}

}  // namespace
}  // namespace orv
