// List boxes bound to variables on a shown window: what the reader's
// clicks and keys write and run, what a script's value selects (and that
// it runs nothing), items built from a text that shows variables, double
// clicks, and the inner list following every change of the items.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <functional>
#include <string>
#include <vector>

#include "objects/input/ListWindowFixture.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;

// Counts the notifications one variable sends.
class NotificationCounter : public TVarChangeReceiver {
 public:
  NotificationCounter(TVars& vars, const std::string& name) : vars_(vars), name_(name) {
    vars_.Notifier().Subscribe(name_, this);
  }
  ~NotificationCounter() override { vars_.Notifier().Unsubscribe(name_, this); }
  void VariableChanged(std::string_view, std::string_view) override { ++count; }
  int count = 0;

 private:
  TVars& vars_;
  std::string name_;
};

class ListBoxBindingTest : public test::ListWindowFixture {
 protected:
  // A list box "L" of A, B, C bound to [Choice], its change script logging
  // "c"; `keys` added.
  TOrvalisListBox* OpenList(std::initializer_list<std::string> keys = {}) {
    std::string lines = ObjectLines(10, "L", QRect(10, 10, 120, 100),
                                    {"Text=A\xB6" "B\xB6" "C", "VarName=Choice", "ObjAction=" + Logs("c")});
    for (const std::string& key : keys) lines += key + "\r\n";
    if (!Open("NewPage=One\r\n" + lines)) return nullptr;
    return Find<TOrvalisListBox>("L");
  }
  int RunScript(const std::string& line) { return engine.RunScript(line + "\r\n", 0, 0, 3, "Button"); }
};

TEST_F(ListBoxBindingTest, TheReadersClicksAndKeysWriteTheVariableAndRunTheChangeScriptOnlyForANewValue) {
  // Steps: a digit clicks that row, "^" before it holds Ctrl, "+" Shift;
  // "v" types Down.
  struct Case {
    const char* label;
    bool multi;
    int type;
    const char* before;  // the variable's value when the page loads
    const char* steps;
    const char* value;
    const char* log;
  } cases[] = {
      {"click", false, vtText, "", "1", "B", "c"},
      {"click by number", false, vtIndex, "", "2", "3", "c"},
      {"the selected item again", false, vtText, "B", "1", "B", ""},
      {"Ctrl keeps the one item", false, vtText, "B", "^1", "B", ""},
      {"Down from the loaded choice", false, vtText, "B", "v", "C", "c"},
      {"click then Down", false, vtIndex, "", "0v", "2", "cc"},
      {"Ctrl adds", true, vtText, "", "0^2", "A\rC", "cc"},
      {"Shift extends", true, vtIndex, "", "0+2", "1\r2\r3", "cc"},
      {"Ctrl takes one away", true, vtText, "A|C", "^2", "A", "c"},
      {"a click keeps one", true, vtText, "A\rC", "0", "A", "c"},
      {"the same again", true, vtText, "A\rC", "0^2", "A\rC", "cc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    vars.SetVar("[Choice]", c.before);
    TOrvalisListBox* list = OpenList({std::string("MultiSelect=") + (c.multi ? "Yes" : "No"),
                                      "VarType=" + std::to_string(c.type)});
    ASSERT_NE(list, nullptr);
    list->setFocus();
    Qt::KeyboardModifiers held = Qt::NoModifier;
    for (const char* step = c.steps; *step != 0; ++step) {
      if (*step == '^') held = Qt::ControlModifier;
      else if (*step == '+') held = Qt::ShiftModifier;
      else if (*step == 'v') Type(Qt::Key_Down);
      else {
        ClickWith(ItemPoint(*list, *step - '0'), held);
        held = Qt::NoModifier;
      }
      // Each step's script runs before the next step.
      QCoreApplication::processEvents();
    }
    EXPECT_EQ(Var("[Choice]"), c.value);
    EXPECT_EQ(Log(), c.log);
    EXPECT_EQ(ShownSelection(*list), ModelSelection(*list));
  }
}

TEST_F(ListBoxBindingTest, AScriptsValueSelectsWithoutRunningTheChangeScriptOrNotifyingAgain) {
  struct Case {
    bool multi;
    int type;
    const char* value;
    const char* shown;
  } cases[] = {
      {false, vtText, "c", "--x"},      {false, vtIndex, "2", "-x-"},   {false, vtIndex, "99", "---"},
      {false, vtIndex, "-5", "---"},    {false, vtIndex, "abc", "---"}, {false, vtText, "D", "---"},
      {true, vtText, "C|A", "x-x"},     {true, vtIndex, "3|1", "x-x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    vars.SetVar("[Choice]", "");
    TOrvalisListBox* list = OpenList({std::string("MultiSelect=") + (c.multi ? "Yes" : "No"),
                                      "VarType=" + std::to_string(c.type)});
    ASSERT_NE(list, nullptr);
    // Something selected first, so that clearing shows.
    ClickWith(ItemPoint(*list, 1));
    QCoreApplication::processEvents();
    vars.SetVar("[Log]", "");
    const bool changes = Var("[Choice]") != c.value;
    NotificationCounter notifications(vars, "[Choice]");
    RunScript("SetVar \"[Choice]\" \"" + std::string(c.value) + "\"");
    QCoreApplication::processEvents();
    EXPECT_EQ(ShownSelection(*list), c.shown);
    EXPECT_EQ(ModelSelection(*list), c.shown);
    EXPECT_EQ(Var("[Choice]"), c.value);
    EXPECT_EQ(Log(), "");
    // The assignment's own, when it changed the value; none from the list.
    EXPECT_EQ(notifications.count, changes ? 1 : 0);
  }
}

TEST_F(ListBoxBindingTest, ItemsShowTheirVariablesAndFollowThemKeepingTheChoiceAndRunningNothing) {
  vars.SetVar("[Colour]", "Green");
  vars.SetVar("[Choice]", "Green");
  ASSERT_TRUE(Open("NewPage=One\r\n" + ObjectLines(10, "L", QRect(10, 10, 120, 100),
                                                   {"Text=Red\xB6[Colour]\xB6" "Blue", "VarName=Choice",
                                                    "ObjAction=" + Logs("c")})));
  auto* list = Find<TOrvalisListBox>("L");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ShownItems(*list), "Red,Green,Blue");
  EXPECT_EQ(ShownSelection(*list), "-x-");
  // The item's text changes: rebuilt, and the variable still names no
  // item now.
  RunScript("SetVar \"[Colour]\" \"Yellow\"");
  EXPECT_EQ(ShownItems(*list), "Red,Yellow,Blue");
  EXPECT_EQ(ShownSelection(*list), "---");
  RunScript("SetVar \"[Colour]\" \"Green\"");
  EXPECT_EQ(ShownSelection(*list), "-x-");
  // A value holding a line break makes two items.
  vars.SetVar("[Colour]", "Green\r\nGrey");
  EXPECT_EQ(ShownItems(*list), "Red,Green,Grey,Blue");
  EXPECT_EQ(ShownSelection(*list), "-x--");
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("[Choice]"), "Green");
  EXPECT_EQ(Log(), "");
}

TEST_F(ListBoxBindingTest, ShowingThePageSelectsFromTheVariableAgain) {
  vars.SetVar("[Choice]", "C");
  TOrvalisListBox* list = OpenList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ShownSelection(*list), "--x");
  // Selected by the object itself: the variable is not written.
  list->SetItemSelected(0, true);
  EXPECT_EQ(ShownSelection(*list), "x--");
  EXPECT_EQ(Var("[Choice]"), "C");
  form->Pages().Page(1)->Background().Notify(kMsgPageShown, "", "", false);
  EXPECT_EQ(ShownSelection(*list), "--x");
}

TEST_F(ListBoxBindingTest, ADoubleClickOnAnItemRunsItsScriptOnceWhenTheLoopDeliversIt) {
  TOrvalisListBox* list = OpenList({"DblClick=" + Logs("d")});
  ASSERT_NE(list, nullptr);
  DoubleClick(ItemPoint(*list, 2));
  // Posted: nothing has run yet.
  EXPECT_EQ(Log(), "");
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "cd");
  EXPECT_EQ(Var("[Choice]"), "C");
}

TEST_F(ListBoxBindingTest, AListWithoutAVariableRunsNothingAndKeepsTheReadersChoice) {
  ASSERT_TRUE(Open("NewPage=One\r\n" +
                   ObjectLines(10, "L", QRect(10, 10, 120, 100), {"Text=A\xB6" "B", "ObjAction=" + Logs("c")})));
  auto* list = Find<TOrvalisListBox>("L");
  ASSERT_NE(list, nullptr);
  ClickWith(ItemPoint(*list, 1));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "");
  form->Pages().Page(1)->Background().Notify(kMsgPageShown, "", "", false);
  EXPECT_EQ(ShownSelection(*list), "-x");
}

TEST_F(ListBoxBindingTest, TheInnerListFollowsEveryChangeOfTheItems) {
  vars.SetVar("[Choice]", "B");
  TOrvalisListBox* list = OpenList();
  ASSERT_NE(list, nullptr);
  struct Step {
    const char* label;
    std::function<void(TOrvalisListBox&)> change;
  } steps[] = {
      {"insert before", [](TOrvalisListBox& l) { l.InsertItem(0, "Z"); }},
      {"insert at the end", [](TOrvalisListBox& l) { l.InsertItem(9, "Y"); }},
      {"change", [](TOrvalisListBox& l) { l.ChangeItem(1, "Q"); }},
      {"move the selected one", [](TOrvalisListBox& l) { l.MoveItem(2, 0); }},
      {"delete", [](TOrvalisListBox& l) { l.DeleteItem(1); }},
      {"sort", [](TOrvalisListBox& l) { l.SortItems(); }},
      {"add several", [](TOrvalisListBox& l) { l.AddItems({"M", "N"}); }},
      {"kept sorted", [](TOrvalisListBox& l) { l.SetSorted(true); l.InsertItem(-1, "D"); }},
      {"replace", [](TOrvalisListBox& l) { l.SetItems({"x", "y"}); }},
      {"clear", [](TOrvalisListBox& l) { l.ClearItems(); }},
  };
  for (const Step& s : steps) {
    s.change(*list);
    std::string items;
    for (std::size_t i = 0; i < list->Items().size(); ++i) items += (i > 0 ? "," : "") + list->Items()[i];
    EXPECT_EQ(ShownItems(*list), items) << s.label;
    EXPECT_EQ(ShownSelection(*list), ModelSelection(*list)) << s.label;
  }
}

TEST_F(ListBoxBindingTest, SortedItemsIgnoreCase) {
  TOrvalisListBox* list = OpenList({"Text=b\xB6" "C\xB6" "a", "Sorted=Yes"});
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ShownItems(*list), "a,b,C");
}

TEST_F(ListBoxBindingTest, TheHorizontalScrollReachesTheWidestItemAndFourPixels) {
  const std::string wide = "An item a good deal wider than its list";
  TOrvalisListBox* list = OpenList({"Text=A\xB6" + wide + "\xB6" "B"});
  ASSERT_NE(list, nullptr);
  QCoreApplication::processEvents();
  QListWidget& widget = list->List();
  const int text = QFontMetrics(widget.font()).horizontalAdvance(QString::fromStdString(wide));
  EXPECT_NEAR(list->ScrollExtent() - 4, text, 2);
  EXPECT_EQ(widget.horizontalScrollBar()->maximum(), list->ScrollExtent() - widget.viewport()->width());
  // Gone with the item.
  list->DeleteItem(1);
  QCoreApplication::processEvents();
  EXPECT_EQ(widget.horizontalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace orv
