// Combo boxes on a shown window: nothing chosen at first, what the reader's
// keys and the open list write and run, a script's value choosing without
// running anything, and the object's height following the box's.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <string>

#include "objects/input/ListWindowFixture.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;
using test::WaitUntil;

class ComboBoxTest : public test::ListWindowFixture {
 protected:
  // A combo box "C" of A, B, C, its change script logging "c"; bound to
  // [Choice] unless `bound` is false; `keys` added.
  TOrvalisComboBox* OpenCombo(std::initializer_list<std::string> keys = {}, bool bound = true) {
    std::string lines = ObjectLines(11, "C", QRect(10, 10, 120, 40), {"Text=A\xB6" "B\xB6" "C", "ObjAction=" + Logs("c")});
    if (bound) lines += "VarName=Choice\r\n";
    for (const std::string& key : keys) lines += key + "\r\n";
    if (!Open("NewPage=One\r\n" + lines)) return nullptr;
    return Find<TOrvalisComboBox>("C");
  }
  // Opens the box's list and clicks item `row` in it.
  void Choose(TOrvalisComboBox& combo, int row) {
    QComboBox& box = combo.Combo();
    box.showPopup();
    QAbstractItemView& view = *box.view();
    ASSERT_TRUE(WaitUntil([&view] { return view.isVisible() && view.window()->windowHandle()->isExposed(); }));
    ClickInWindow(*view.viewport(), view.visualRect(view.model()->index(row, 0)).center());
    ASSERT_TRUE(WaitUntil([&view] { return !view.isVisible(); }));
  }
  // Steps: "v" Down, "^" Up, a digit chooses that row from the open list.
  void Play(TOrvalisComboBox& combo, const char* steps) {
    combo.setFocus();
    for (const char* step = steps; *step != 0; ++step) {
      if (*step == 'v') Type(Qt::Key_Down);
      else if (*step == '^') Type(Qt::Key_Up);
      else Choose(combo, *step - '0');
      QCoreApplication::processEvents();
    }
  }
  int RunScript(const std::string& line) { return engine.RunScript(line + "\r\n", 0, 0, 3, "Button"); }
};

TEST_F(ComboBoxTest, NothingIsChosenAtFirstWhateverTheVariableHolds) {
  vars.SetVar("[Choice]", "B");
  TOrvalisComboBox* combo = OpenCombo();
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(ShownItems(*combo), "A,B,C");
  EXPECT_EQ(combo->Combo().currentIndex(), -1);
  EXPECT_EQ(combo->SelectedIndex(), -1);
  // Items coming to an empty box choose none either.
  combo->ClearItems();
  combo->InsertItem(0, "X");
  combo->AddItems({"Y", "Z"});
  EXPECT_EQ(combo->Combo().currentIndex(), -1);
  EXPECT_EQ(Var("[Choice]"), "B");
}

TEST_F(ComboBoxTest, TheReadersChoiceWritesTheVariableAndRunsTheChangeScriptOnlyForANewValue) {
  struct Case {
    int type;
    const char* steps;
    const char* value;
    const char* log;
  } cases[] = {
      {vtText, "v", "A", "c"},   {vtText, "vv", "B", "cc"}, {vtIndex, "2", "3", "c"},
      {vtText, "11", "B", "c"},  {vtText, "2^", "B", "cc"}, {vtIndex, "0v1", "2", "cc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    vars.SetVar("[Choice]", "");
    TOrvalisComboBox* combo = OpenCombo({"VarType=" + std::to_string(c.type)});
    ASSERT_NE(combo, nullptr);
    Play(*combo, c.steps);
    EXPECT_EQ(Var("[Choice]"), c.value);
    EXPECT_EQ(Log(), c.log);
    EXPECT_EQ(combo->Combo().currentIndex(), combo->SelectedIndex());
  }
}

TEST_F(ComboBoxTest, ABoxWithoutAVariableNeverRunsItsChangeScript) {
  TOrvalisComboBox* combo = OpenCombo({}, false);
  ASSERT_NE(combo, nullptr);
  Play(*combo, "v2^");
  EXPECT_EQ(combo->Combo().currentIndex(), 1);
  EXPECT_EQ(Log(), "");
}

TEST_F(ComboBoxTest, AScriptsValueChoosesWithoutRunningAnything) {
  struct Case {
    int type;
    const char* value;
    int shown;
  } cases[] = {{vtText, "c", 2}, {vtText, "D", -1}, {vtIndex, "2", 1}, {vtIndex, "99", -1}, {vtIndex, "x", -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    vars.SetVar("[Choice]", "");
    TOrvalisComboBox* combo = OpenCombo({"VarType=" + std::to_string(c.type)});
    ASSERT_NE(combo, nullptr);
    Play(*combo, "v");
    vars.SetVar("[Log]", "");
    RunScript("SetVar \"[Choice]\" \"" + std::string(c.value) + "\"");
    QCoreApplication::processEvents();
    EXPECT_EQ(combo->Combo().currentIndex(), c.shown);
    EXPECT_EQ(combo->SelectedIndex(), c.shown);
    EXPECT_EQ(Log(), "");
  }
}

TEST_F(ComboBoxTest, TheObjectIsAsHighAsTheBoxAndItsOutline) {
  TOrvalisComboBox* combo = OpenCombo({"LineWidth=3"});
  ASSERT_NE(combo, nullptr);
  QComboBox& box = combo->Combo();
  auto fits = [&](const char* when) {
    const int line = combo->LineWidth();
    EXPECT_EQ(combo->height(), box.height() + 2 * line) << when;
    EXPECT_EQ(box.geometry(), QRect(line, line, combo->width() - 2 * line, box.sizeHint().height())) << when;
  };
  fits("loaded");
  combo->resize(150, 200);
  fits("resized");
  EXPECT_EQ(combo->width(), 150);
  combo->SetLineWidth(6);
  fits("a wider outline");
  const int before = box.height();
  // A command changes the font and repaints; the box follows.
  combo->MutableFont().Size = 24;
  combo->update();
  ASSERT_TRUE(WaitUntil([&] { return box.height() != before; }));
  fits("a larger font");
}

}  // namespace
}  // namespace orv
