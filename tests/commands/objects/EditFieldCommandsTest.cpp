// The object commands on edit fields: SetObjectCaption sets the text as a
// program does (letter case, variable, change script), and GetObjectInfo
// reads the text, the selected text and the caret as the variable counts
// characters (a line break two).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <string>
#include <vector>

#include "ObjectCommandFixture.h"
#include "objects/input/EditField.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;

class EditFieldCommands : public test::ObjectCommandFixture {
 protected:
  bool OpenField(const std::vector<std::string>& keys) {
    std::string lines = ObjectLines(9, "Edit", QRect(10, 10, 200, 60), {"VarName=[V]", "ObjAction=" + Logs("c")});
    for (const std::string& key : keys) lines += key + "\r\n";
    // A second object to hold the focus, so no field selects all on entry.
    lines += ObjectLines(9, "Other", QRect(10, 100, 200, 24));
    if (!Open("NewPage=P\r\n" + lines)) return false;
    Find<TOrvalisEditField>("Other")->setFocus();
    return true;
  }
  // Selects `length` characters of the control's text from `start`.
  void Select(int start, int length) {
    QWidget* inner = Find<TOrvalisEditField>("Edit")->InnerControl();
    if (auto* line = qobject_cast<QLineEdit*>(inner)) {
      line->setSelection(start, length);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(inner)) {
      QTextCursor cursor = memo->textCursor();
      cursor.setPosition(start);
      cursor.setPosition(start + length, QTextCursor::KeepAnchor);
      memo->setTextCursor(cursor);
    }
  }
  std::string Runs() {
    QCoreApplication::processEvents();
    return Var("[Log]");
  }
};

TEST_F(EditFieldCommands, SetObjectCaptionSetsTheTextAsAProgramDoes) {
  const struct {
    std::vector<std::string> keys;
    const char* caption;
    const char* text;
  } cases[] = {
      {{}, "Hello", "Hello"},
      {{"EditCase=1"}, "Hello", "HELLO"},
      {{"EditLen=3"}, "Hello", "Hel"},
      {{"EditMask=00-00;0;_"}, "1234", "1234"},
      {{"EditMask=00-00;1;_"}, "1234", "12-34"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    ASSERT_TRUE(OpenField(c.keys));
    vars.SetVar("[Log]", "");
    Run(std::string("SetObjectCaption \"Edit\" \"") + c.caption + "\"");
    EXPECT_EQ(LastError(), "");
    EXPECT_EQ(Info("Edit", "Caption"), c.text);
    EXPECT_EQ(Var("[V]"), c.text);
    EXPECT_EQ(Runs(), "c");
    // The caret is at the start, nothing selected.
    EXPECT_EQ(Info("Edit", "CursorPosition"), "1");
    EXPECT_EQ(Info("Edit", "SelectedText"), "");
    // The same text again changes nothing.
    Run(std::string("SetObjectCaption \"Edit\" \"") + c.caption + "\"");
    EXPECT_EQ(Runs(), "c");
  }
}

TEST_F(EditFieldCommands, SelectedTextAndCursorPositionCountLineBreaksAsTheVariableDoes) {
  const struct {
    std::vector<std::string> keys;
    const char* value;  // set through the variable
    int start, length;  // in the control's characters; -1: as the value left it
    const char* selected;
    const char* cursor;
  } cases[] = {
      // The variable puts the caret at the end.
      {{}, "Hello", -1, 0, "", "6"},
      {{}, "Hello", 1, 3, "ell", "5"},
      {{}, "Hello", 0, 0, "", "1"},
      {{"EditMultiLine=Yes"}, "ab\r\ncd", -1, 0, "", "7"},
      {{"EditMultiLine=Yes"}, "ab\r\ncd", 0, 5, "ab\r\ncd", "7"},
      {{"EditMultiLine=Yes"}, "ab\r\ncd", 1, 3, "b\r\nc", "6"},
      {{"EditMultiLine=Yes"}, "ab\r\ncd", 4, 1, "d", "7"},
      // A masked field counts what it shows.
      {{"EditMask=00-00;0;_"}, "1234", 3, 2, "34", "6"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.value) + " " + std::to_string(c.start) + "+" + std::to_string(c.length));
    ASSERT_TRUE(OpenField(c.keys));
    vars.SetVar("[V]", c.value);
    if (c.start >= 0) Select(c.start, c.length);
    EXPECT_EQ(Info("Edit", "SelectedText"), c.selected);
    EXPECT_EQ(Info("Edit", "CursorPosition"), c.cursor);
    EXPECT_EQ(Info("Edit", "Caption"), c.value);
  }
}

TEST_F(EditFieldCommands, CaptionIsWhatTheReaderTyped) {
  ASSERT_TRUE(OpenField({"Text=start"}));
  auto* field = Find<TOrvalisEditField>("Edit");
  field->setFocus();
  auto* line = qobject_cast<QLineEdit*>(field->InnerControl());
  ASSERT_NE(line, nullptr);
  line->end(false);
  QTest::keyClicks(line, QStringLiteral(" typed"));
  EXPECT_EQ(Info("Edit", "Caption"), "start typed");
  EXPECT_EQ(Info("Edit", "CursorPosition"), "12");
}

// The field shows its font through its inner control: SetObjectFont and a
// colour alone must both reach it at once.
TEST_F(EditFieldCommands, SetObjectFontReachesTheInnerControl) {
  ASSERT_TRUE(OpenField({"Text=abc"}));
  QWidget* inner = Find<TOrvalisEditField>("Edit")->InnerControl();
  ASSERT_NE(inner, nullptr);
  const int before = inner->font().pixelSize() > 0 ? inner->font().pixelSize() : inner->font().pointSize();
  Run("SetObjectFont \"Edit\" \"\" \"\" \"30\" \"bold\" \"\"");
  inner = Find<TOrvalisEditField>("Edit")->InnerControl();
  const int after = inner->font().pixelSize() > 0 ? inner->font().pixelSize() : inner->font().pointSize();
  EXPECT_GT(after, before);
  EXPECT_TRUE(inner->font().bold());
  Run("SetObjectFont \"Edit\" \"255,0,0\" \"\" \"\" \"\" \"\"");
  EXPECT_EQ(inner->palette().color(QPalette::Text), QColor(255, 0, 0));
}

}  // namespace
}  // namespace orv
