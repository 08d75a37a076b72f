#pragma once
// A shown window with edit fields, typed into with real key presses (they
// pass the window's own key handling first). The field "E" is bound to
// "[V]" and its change script appends "c" to "[Log]".
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "objects/ObjectWindowFixture.h"
#include "objects/input/EditField.h"

namespace orv::test {

// A field's lines: bound to "[V]" ("E") or "[<name>]", its change script
// logging "c", then `keys`.
inline std::string EditFieldLines(const std::string& name, QRect at, std::vector<std::string> keys = {}) {
  const std::string variable = name == "E" ? "[V]" : "[" + name + "]";
  std::string text = ObjectLines(9, name, at, {"VarName=" + variable, "ObjAction=" + Logs("c")});
  for (const std::string& key : keys) text += key + "\r\n";
  return text;
}

class EditFieldFixture : public ObjectWindowFixture<> {
 protected:
  // One field "E" at (10, 10), 200 by 24, on page 1.
  bool OpenField(const std::vector<std::string>& keys, QRect at = QRect(10, 10, 200, 24)) {
    vars.Globals().Clear();
    return Open("NewPage=P\r\n" + EditFieldLines("E", at, keys));
  }

  TOrvalisEditField* Field(const std::string& name = "E") { return Find<TOrvalisEditField>(name); }
  QWidget* Inner(const std::string& name = "E") {
    TOrvalisEditField* field = Field(name);
    return field != nullptr ? field->InnerControl() : nullptr;
  }
  // What the control shows: a single line's display text (masked,
  // password stars), a multi-line field's text.
  std::string Shown(const std::string& name = "E") {
    QWidget* inner = Inner(name);
    if (auto* line = qobject_cast<QLineEdit*>(inner)) return line->displayText().toStdString();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(inner)) return memo->toPlainText().toStdString();
    return "?";
  }

  // Types `text` into the focused control: "\n" presses Return, "\b"
  // Backspace.
  void Type(const std::string& text) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    for (const char c : text) {
      if (c == '\n')
        QTest::keyClick(target, Qt::Key_Return);
      else if (c == '\b')
        QTest::keyClick(target, Qt::Key_Backspace);
      else
        QTest::keyClicks(target, QString(QLatin1Char(c)));
    }
  }

  // How often the change script ran once the posted runs are done.
  int ChangeRuns() {
    QCoreApplication::processEvents();
    const std::string log = Log();
    return static_cast<int>(std::count(log.begin(), log.end(), 'c'));
  }
};

}  // namespace orv::test
