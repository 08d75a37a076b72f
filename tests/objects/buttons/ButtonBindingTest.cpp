// Check boxes and radio buttons bound to variables: the state a value
// gives, the value a click or the load writes, radio groups, captions that
// show variables, and radio buttons whose captions show each other's.
#include <gtest/gtest.h>

#include <string>

#include "objects/ObjectWindowFixture.h"
#include "objects/buttons/Buttons.h"
#include "objects/buttons/ButtonPage.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;

std::string Bound(int type, const std::string& name, int y, std::initializer_list<std::string> keys) {
  return ObjectLines(type, name, QRect(20, y, 120, 24), keys);
}

TEST(ButtonBinding, ACheckBoxIsCheckedByATrueWordBeforeAnyPlus) {
  test::ButtonPage page(Bound(12, "C", 10, {"VarName=V"}));
  auto* box = page.Find("C");
  const struct {
    const char* value;
    int state;
  } cases[] = {{"yes", ovbsDown},  {"2", ovbsUp},       {"Checked+x", ovbsDown}, {"", ovbsUp},
               {"ok", ovbsDown},   {"UnChecked", ovbsUp}, {"t", ovbsDown},       {"Yes please", ovbsUp},
               {"1", ovbsDown},    {"+True", ovbsUp}};
  for (const auto& c : cases) {
    page.host.vars.SetVar("[V]", c.value);
    EXPECT_EQ(box->State(), c.state) << '"' << c.value << '"';
  }
}

TEST(ButtonBinding, TheLoadedStateWritesTheVariableOnlyWhenDown) {
  const struct {
    const char* label;
    int type;
    const char* initState;
    const char* caption;
    const char* before;  // the variable's value before the load
    const char* after;
  } cases[] = {
      {"checked box", 12, "1", "Box", "", "Checked"},
      {"unchecked box leaves it", 12, "0", "Box", "keep", "keep"},
      {"chosen radio", 13, "1", "Red & ^Blue", "", "Red && &Blue"},
      {"radio not chosen leaves it", 13, "0", "Red", "keep", "keep"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    test::ButtonPage page(Bound(c.type, "B", 10,
                                {"VarName=V", std::string("InitState=") + c.initState,
                                 std::string("Text=") + c.caption}),
                          {.loaded = false});
    page.host.vars.SetVar("[V]", c.before);
    page.Load();
    EXPECT_EQ(page.Var("[V]"), c.after);
    EXPECT_EQ(page.Find("B")->State(), std::stoi(c.initState));
  }
}

class ButtonBindingClicks : public test::ObjectWindowFixture<> {};

TEST_F(ButtonBindingClicks, ACheckBoxClickedTwiceRunsTwiceAndLeavesItsVariableEmpty) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + Bound(12, "C", 10, {"VarName=V", "ObjAction=" + Logs("c")})));
  auto* box = Find<TOrvalisButton>("C");
  ASSERT_NE(box, nullptr);
  Click(At(*box));
  EXPECT_EQ(Var("[V]"), "Checked");  // written before the script runs
  QCoreApplication::processEvents();
  Click(At(*box));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "cc");
  EXPECT_EQ(Var("[V]"), "");
  EXPECT_EQ(box->State(), ovbsUp);
}

TEST_F(ButtonBindingClicks, ARadioGroupSharesOneVariable) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + Bound(13, "A", 10, {"VarName=G", "Text=A", "InitState=1", "ObjAction=" + Logs("a")}) +
                   Bound(13, "B", 40, {"VarName=G", "Text=B", "ObjAction=" + Logs("b")}) +
                   Bound(13, "Other", 70, {"VarName=H", "Text=B", "InitState=1"})));
  auto* a = Find<TOrvalisButton>("A");
  auto* b = Find<TOrvalisButton>("B");
  auto* other = Find<TOrvalisButton>("Other");
  ASSERT_TRUE(a && b && other);
  EXPECT_EQ(Var("[G]"), "A");
  EXPECT_EQ(a->State(), ovbsDown);
  EXPECT_EQ(b->State(), ovbsUp);
  Click(At(*b));
  EXPECT_EQ(Var("[G]"), "B");
  EXPECT_EQ(a->State(), ovbsUp);
  EXPECT_EQ(b->State(), ovbsDown);
  EXPECT_EQ(other->State(), ovbsDown);  // another group
  Click(At(*b));                        // already chosen: no click
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "b");
  // A script choosing by value, in other letter case.
  vars.SetVar("[G]", "a");
  EXPECT_EQ(a->State(), ovbsDown);
  EXPECT_EQ(b->State(), ovbsUp);
}

TEST(ButtonBinding, TheChosenRadioKeepsItsGroupEqualToWhatItsCaptionShows) {
  test::ButtonPage page(Bound(13, "Chosen", 10, {"VarName=G", "Text=Size [N]", "InitState=1"}) +
                        Bound(13, "Free", 40, {"VarName=H", "Text=Size [N]"}));
  EXPECT_EQ(page.Var("[G]"), "Size ");
  page.host.vars.SetVar("[N]", "5");
  EXPECT_EQ(page.Var("[G]"), "Size 5");
  EXPECT_EQ(page.Var("[H]"), "");  // not chosen, so not written
  EXPECT_EQ(page.Find("Chosen")->State(), ovbsDown);
}

// Two radio buttons chosen at the load, each bound to the variable the
// other's caption shows: every re-set changes the other's caption again.
// A button leaves alone the changes its own re-set causes, so the load
// ends after one round.
TEST(ButtonBinding, RadioButtonsShowingEachOthersVariablesStopReSettingEachOther) {
  test::ButtonPage page(Bound(13, "R1", 10, {"VarName=A", "Text=x[B]", "InitState=1"}) +
                        Bound(13, "R2", 40, {"VarName=B", "Text=y[A]", "InitState=1"}));
  EXPECT_EQ(page.Var("[B]"), "y" + page.Var("[A]"));
  EXPECT_EQ(page.Find("R1")->State(), ovbsDown);
  EXPECT_EQ(page.Find("R2")->State(), ovbsDown);
}

TEST(ButtonBinding, ACaptionShowingAVariableRepaintsAndReSizes) {
  test::ButtonPage page(Bound(12, "C", 10, {"Text=[Label]", "AutoSize=Yes"}));
  auto* box = page.Find("C");
  const int narrow = box->width();
  page.host.vars.SetVar("[Label]", "A much longer caption");
  EXPECT_GT(box->width(), narrow);
  EXPECT_EQ(box->PreparedCaption(), "A much longer caption");
}

}  // namespace
}  // namespace orv
