// Typing, pasting and setting the text of edit fields: what the field
// shows, what its variable holds and how often its change script runs,
// for the options a field takes (length, letter case, numbers only,
// password, mask, several lines).
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <string>
#include <vector>

#include "EditFieldFixture.h"
#include "script/VarChangeNotifier.h"
#include "script/Vars.h"

namespace orv {
namespace {

class EditFieldTyping : public test::EditFieldFixture {};

TEST_F(EditFieldTyping, TypedKeysGiveTextVariableAndOneChangeRunEach) {
  const struct {
    std::vector<std::string> keys;
    const char* typed;
    const char* shown;
    const char* variable;
    int runs;
  } cases[] = {
      {{}, "Hello", "Hello", "Hello", 5},
      {{"EditLen=3"}, "abcdef", "abc", "abc", 3},
      {{"EditLen=3"}, "abc\b\bde", "ade", "ade", 7},
      {{"EditCase=1"}, "aBc1", "ABC1", "ABC1", 4},
      {{"EditCase=2"}, "AbC", "abc", "abc", 3},
      // Digits only; a refused key changes nothing and runs nothing.
      {{"EditNumber=Yes"}, "1a2-3 ", "123", "123", 3},
      {{"EditPassword=Yes"}, "pw1", "***", "pw1", 3},
      {{"EditMask=000;1;_"}, "1x23", "123", "123", 3},
      {{"EditMask=00-00;0;_"}, "1234", "12-34", "1234", 4},
      {{"EditMask=>LL;1;_", "EditCase=2"}, "ab", "AB", "AB", 2},
      // Several lines: the variable holds CR LF, which counts two.
      {{"EditMultiLine=Yes"}, "a\nb", "a\nb", "a\r\nb", 3},
      {{"EditMultiLine=Yes", "EditLen=4"}, "ab\ncd", "ab\n", "ab\r\n", 3},
      {{"EditMultiLine=Yes", "EditCase=1", "EditNumber=Yes"}, "1a\n2", "1\n2", "1\r\n2", 3},
      {{"EditMultiLine=Yes", "EditCase=1"}, "ab\n", "AB\n", "AB\r\n", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " with " + (c.keys.empty() ? "" : c.keys.front()));
    ASSERT_TRUE(OpenField(c.keys));
    Field()->setFocus();
    Type(c.typed);
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(Var("[V]"), c.variable);
    EXPECT_EQ(Field()->Text(), c.variable);
    EXPECT_EQ(ChangeRuns(), c.runs);
  }
}

TEST_F(EditFieldTyping, PastedTextGoesByTheFieldsRules) {
  const struct {
    std::vector<std::string> keys;
    const char* clipboard;
    const char* variable;
    int runs;
  } cases[] = {
      // A numbers field takes a whole number of 64 bits in its plain form,
      // or nothing.
      {{"EditNumber=Yes"}, " 0042 ", "42", 1},
      {{"EditNumber=Yes"}, "+5", "5", 1},
      {{"EditNumber=Yes"}, "-7", "-7", 1},
      {{"EditNumber=Yes"}, "-9223372036854775808", "-9223372036854775808", 1},
      {{"EditNumber=Yes"}, "9223372036854775808", "", 0},
      {{"EditNumber=Yes"}, "12a", "", 0},
      {{"EditNumber=Yes"}, "1.5", "", 0},
      {{"EditNumber=Yes"}, "", "", 0},
      {{"EditCase=1"}, "mixed Case", "MIXED CASE", 1},
      {{"EditCase=2"}, "MIXED Case", "mixed case", 1},
      {{"EditLen=4"}, "abcdef", "abcd", 1},
      // One line takes the first line; several take all, plain.
      {{}, "one\r\ntwo", "one", 1},
      {{"EditMultiLine=Yes"}, "one\r\ntwo\rthree", "one\r\ntwo\r\nthree", 1},
      {{"EditMultiLine=Yes", "EditLen=5"}, "ab\r\ncdef", "ab\r\nc", 1},
      {{"EditMultiLine=Yes", "EditNumber=Yes"}, "12\r\n", "12", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.clipboard) + " with " + (c.keys.empty() ? "" : c.keys.back()));
    ASSERT_TRUE(OpenField(c.keys));
    Field()->setFocus();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(c.clipboard));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Var("[V]"), c.variable);
    EXPECT_EQ(Field()->Text(), c.variable);
    EXPECT_EQ(ChangeRuns(), c.runs);
  }
}

// QLineEdit's own limit is 32,767 characters; a field without "EDITLEN="
// holds 60,000, typed, pasted or set.
TEST_F(EditFieldTyping, WithoutAMaximumTextsUpToSixtyThousandCharactersStayWhole) {
  for (const bool multiLine : {false, true}) {
    SCOPED_TRACE(multiLine);
    ASSERT_TRUE(OpenField({multiLine ? "EditMultiLine=Yes" : "EditMultiLine=No"}));
    Field()->setFocus();
    QGuiApplication::clipboard()->setText(QString(40000, QLatin1Char('x')));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Var("[V]").size(), 40000u);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Var("[V]").size(), 60000u);
    Type("y");
    EXPECT_EQ(Field()->Text().size(), 60000u);
    EXPECT_EQ(Field()->Text().find('y'), std::string::npos);

    vars.SetVar("[V]", std::string(70000, 'z'));
    EXPECT_EQ(Field()->Text(), std::string(60000, 'z'));
  }
}

class CountingReceiver : public TVarChangeReceiver {
 public:
  void VariableChanged(std::string_view, std::string_view value) override { values.emplace_back(value); }
  std::vector<std::string> values;
};

TEST_F(EditFieldTyping, AScriptSettingTheVariableRunsNoChangeScriptAndSendsNothingBack) {
  const struct {
    std::vector<std::string> keys;
    const char* value;
    const char* shown;
    const char* text;  // as the variable form reads it back
    int caret;         // in the variable's characters
  } cases[] = {
      {{}, "Hello", "Hello", "Hello", 5},
      {{"EditMultiLine=Yes"}, "a\rb\nc\r\nd", "a\nb\nc\nd", "a\r\nb\r\nc\r\nd", 10},
      {{"EditCase=1"}, "abc", "ABC", "ABC", 3},
      {{"EditLen=3"}, "abcdef", "abc", "abc", 3},
      {{"EditMultiLine=Yes", "EditLen=3"}, "a\r\nbc", "a\n", "a\r\n", 3},
      {{"EditMask=00-00;0;_"}, "1234", "12-34", "1234", 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    ASSERT_TRUE(OpenField(c.keys));
    CountingReceiver receiver;
    vars.Notifier().Subscribe("[V]", &receiver);
    // The value comes through a variable: a script line holds no line
    // break of its own.
    vars.SetVar("[Source]", c.value);
    ASSERT_EQ(engine.RunScript("SetVar \"[V]\" \"[Source]\"\r\n", 0, 1, 26, "Button"), 0);
    EXPECT_EQ(Shown(), c.shown);
    EXPECT_EQ(Field()->Text(), c.text);
    EXPECT_EQ(Var("[V]"), c.value);
    EXPECT_EQ(receiver.values, std::vector<std::string>{c.value});
    EXPECT_EQ(ChangeRuns(), 0);
    // The caret is at the end.
    EXPECT_EQ(Field()->SelectionStart(), c.caret);
    vars.Notifier().UnsubscribeAll(&receiver);
  }
}

TEST_F(EditFieldTyping, TheVariableSetToTheTextShownChangesNothing) {
  ASSERT_TRUE(OpenField({"EditMultiLine=Yes"}));
  Field()->setFocus();
  Type("a\nb");
  ASSERT_EQ(ChangeRuns(), 3);
  auto* memo = qobject_cast<QPlainTextEdit*>(Inner());
  ASSERT_NE(memo, nullptr);
  memo->moveCursor(QTextCursor::Start);
  vars.SetVar("[V]", "a\r\nb");
  // Not set again: the caret stayed where the reader left it.
  EXPECT_EQ(memo->textCursor().position(), 0);
  EXPECT_EQ(ChangeRuns(), 3);
}

TEST_F(EditFieldTyping, LoadedShowsTheInitialTextWritesTheVariableAndPostsOneChange) {
  vars.SetVar("[W]", "kept");
  ASSERT_TRUE(LoadDocument("ScreenWidth=400\r\nScreenHeight=300\r\nNewPage=P\r\n" +
                           test::ObjectLines(9, "E", QRect(10, 10, 200, 24),
                                             {"Text=Hello", "VarName=[V]", "ObjAction=" + test::Logs("c")}) +
                           test::ObjectLines(9, "Empty", QRect(10, 40, 200, 24),
                                             {"VarName=[W]", "ObjAction=" + test::Logs("e")})));
  form->Pages().Page(1)->Background().Notify(kMsgLoaded, "", "", false);
  EXPECT_EQ(Var("[V]"), "Hello");
  EXPECT_EQ(Var("[Log]"), "");  // posted, not run yet
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("[Log]"), "c");
  // An empty initial text changes nothing: the value the variable had
  // before stays.
  EXPECT_EQ(Var("[W]"), "kept");
  EXPECT_EQ(Find<TOrvalisEditField>("Empty")->Text(), "");
}

TEST_F(EditFieldTyping, RebuildingTheControlKeepsTextBindingAndScripts) {
  ASSERT_TRUE(OpenField({}));
  Field()->setFocus();
  Type("ab");
  ASSERT_EQ(ChangeRuns(), 2);
  QWidget* before = Inner();
  Field()->SetMultiLine(true);
  ASSERT_NE(Inner(), before);
  EXPECT_NE(qobject_cast<QPlainTextEdit*>(Inner()), nullptr);
  EXPECT_EQ(Shown(), "ab");
  EXPECT_EQ(QApplication::focusWidget(), Inner());
  EXPECT_EQ(ChangeRuns(), 2);
  Type("\nc");
  EXPECT_EQ(Var("[V]"), "ab\r\nc");
  EXPECT_EQ(ChangeRuns(), 4);

  Field()->SetNumbersOnly(true);
  Field()->SetMultiLine(false);
  EXPECT_EQ(Field()->Text(), "ab\r\nc");
  Type("x5");
  EXPECT_EQ(Var("[V]"), "ab\r\nc5");
  vars.SetVar("[V]", "new");
  EXPECT_EQ(Shown(), "new");
  EXPECT_EQ(ChangeRuns(), 5);
}

}  // namespace
}  // namespace orv
