// The focus and the keys of edit fields: focus scripts, the mask's hold on
// the focus (and two fields that must not pass it back and forth without
// end), Esc, the page keys that pass through a field, hot keys, clicks on
// the frame, the enabled state and the tab stop.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <string>

#include "EditFieldFixture.h"

namespace orv {
namespace {

using test::EditFieldLines;
using test::EventCounter;
using test::Logs;
using test::ObjectLines;

constexpr const char* kInvalidInput = "Valore d'immissione non valido. Premere ESC per abbandonare le modifiche.";

class EditFieldFocus : public test::EditFieldFixture {
 protected:
  // Lets the loop deliver everything posted, `rounds` times over.
  static void Settle(int rounds = 20) {
    for (int i = 0; i < rounds; ++i) QCoreApplication::processEvents();
  }
};

TEST_F(EditFieldFocus, GainAndLossRunTheirScriptsAtOnce) {
  ASSERT_TRUE(Open("NewPage=P\r\n" +
                   EditFieldLines("E", QRect(10, 10, 100, 24),
                                  {"ObjSetFocusAction=" + Logs("g"), "ObjLoseFocusAction=" + Logs("l")}) +
                   EditFieldLines("F", QRect(10, 40, 100, 24))));
  // E took the focus as the page's first tab stop; from F to E and back.
  Field("F")->setFocus();
  vars.SetVar("[Log]", "");
  Field("E")->setFocus();
  EXPECT_EQ(Log(), "g");
  Field("F")->setFocus();
  EXPECT_EQ(Log(), "gl");
}

TEST_F(EditFieldFocus, AMaskedFieldHoldsTheFocusOnlyForATextTheReaderChangedThatFailsTheMask) {
  const struct {
    const char* initial;
    const char* typed;
    bool held;
  } cases[] = {
      {"", "1", true},       // changed, fails
      {"", "", false},       // fails, but the reader changed nothing
      {"", "123", false},    // changed, satisfies the mask
      {"12", "", false},     // set by the document, not by the reader
      {"123", "\b", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.initial) + " + " + c.typed);
    ASSERT_TRUE(Open("NewPage=P\r\n" +
                     EditFieldLines("E", QRect(10, 10, 100, 24),
                                    {"EditMask=000;1;_", std::string("Text=") + c.initial,
                                     "ObjLoseFocusAction=" + Logs("l")}) +
                     EditFieldLines("F", QRect(10, 40, 100, 24))));
    Field("E")->setFocus();
    qobject_cast<QLineEdit*>(Inner("E"))->setCursorPosition(static_cast<int>(std::string(c.initial).size()));
    Type(c.typed);
    vars.SetVar("[LastError]", "");
    vars.SetVar("[Log]", "");
    EventCounter regained(Inner("E"), QEvent::FocusIn);
    PressKey(Qt::Key_Tab);
    // Nothing is taken back inside the focus change itself.
    EXPECT_EQ(QApplication::focusWidget(), Inner("F"));
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), c.held ? Inner("E") : Inner("F"));
    EXPECT_EQ(regained.Count(), c.held ? 1 : 0);
    EXPECT_EQ(Var("[LastError]"), c.held ? kInvalidInput : "");
    // One loss, one lose-focus run (the change runs log "c").
    const std::string log = Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), 'l'), 1);
  }
}

// Two masked fields whose texts fail their masks once took the focus from
// each other without end and the player hung: the field whose focus is
// being taken back lets it go.
TEST_F(EditFieldFocus, TwoMaskedFieldsWithFailingTextsSettleOnOne) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + EditFieldLines("A", QRect(10, 10, 100, 24), {"EditMask=000;1;_"}) +
                   EditFieldLines("B", QRect(10, 40, 100, 24), {"EditMask=000;1;_"})));
  EventCounter aGained(Inner("A"), QEvent::FocusIn), bGained(Inner("B"), QEvent::FocusIn);
  Field("B")->setFocus();
  Type("1");
  // The reader moves on to A and types there before the loop runs: both
  // fields now hold changed texts that fail.
  Field("A")->setFocus();
  Type("2");
  Settle();
  const int aCount = aGained.Count(), bCount = bGained.Count();
  Settle();
  EXPECT_EQ(aGained.Count(), aCount);
  EXPECT_EQ(bGained.Count(), bCount);
  EXPECT_LE(aCount + bCount, 3);
  // B took its focus back; A let it go.
  EXPECT_EQ(QApplication::focusWidget(), Inner("B"));
  EXPECT_EQ(Var("[LastError]"), kInvalidInput);
  // Leaving B again is held back again, once.
  PressKey(Qt::Key_Tab);
  Settle();
  EXPECT_EQ(QApplication::focusWidget(), Inner("B"));
  EXPECT_EQ(bGained.Count(), bCount + 1);
}

TEST_F(EditFieldFocus, EscGivesBackTheTextFromBeforeEditingWhenTheChangedTextFailsTheMask) {
  ASSERT_TRUE(OpenField({"EditMask=000;1;_", "Text=123"}));
  Field()->setFocus();
  auto* line = qobject_cast<QLineEdit*>(Inner());
  line->end(false);
  Type("\b");
  ASSERT_EQ(Var("[V]"), "12");
  PressKey(Qt::Key_Escape);
  // The field took the Esc: the window did not close.
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Shown(), "123");
  EXPECT_EQ(Var("[V]"), "123");
  EXPECT_EQ(ChangeRuns(), 2);
  // Nothing changed now: Esc is the window's again ("ALLOWESC=" is on).
  PressKey(Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(EditFieldFocus, EscInAFieldWithoutAFailingMaskIsTheWindows) {
  for (const char* mask : {"EditMask=", "EditMask=000;1;_"}) {
    SCOPED_TRACE(mask);
    // The masked one holds a text that satisfies its mask.
    ASSERT_TRUE(OpenField({mask}));
    Field()->setFocus();
    Type("456");
    PressKey(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Var("[V]"), "456");
  }
}

TEST_F(EditFieldFocus, PageKeysTurnPagesFromInsideAFieldHomeAndEndStayWithIt) {
  for (const char* multiLine : {"EditMultiLine=No", "EditMultiLine=Yes"}) {
    SCOPED_TRACE(multiLine);
    const std::string page2 = "NewPage=Two\r\n" + EditFieldLines("F", QRect(10, 10, 200, 60), {multiLine});
    ASSERT_TRUE(Open("NewPage=One\r\n" + EditFieldLines("E", QRect(10, 10, 200, 60), {multiLine}) + page2 +
                     "NewPage=Three\r\n"));
    Field("E")->setFocus();
    Type("ab");
    PressKey(Qt::Key_PageDown);
    Settle();
    EXPECT_EQ(form->Pages().PageIndex(), 2);
    Field("F")->setFocus();
    Type("xy");
    PressKey(Qt::Key_Home);
    Settle();
    EXPECT_EQ(form->Pages().PageIndex(), 2);
    EXPECT_EQ(Field("F")->SelectionStart(), 0);
    // Typed at the start: Home went to the field.
    Type("z");
    EXPECT_EQ(Field("F")->Text(), "zxy");
  }
}

TEST_F(EditFieldFocus, HotKeyAndAClickOnTheFrameFocusTheControl) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + ObjectLines(5, "Other", QRect(300, 10, 20, 20)) +
                   EditFieldLines("E", QRect(10, 10, 200, 40), {"Key=" + std::to_string(0x4000 | 'E'), "LineWidth=3"}) +
                   EditFieldLines("F", QRect(10, 100, 200, 40))));
  Field("F")->setFocus();
  PressKey(Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), Inner("E"));
  EXPECT_EQ(TOrvalisObj::FocusedObjectName(), "E");

  Field("F")->setFocus();
  // A point of the frame above the control.
  const QPoint frame(100, 1);
  ASSERT_FALSE(Field("E")->ControlRect().contains(frame));
  Click(At(*Field("E"), frame));
  EXPECT_EQ(QApplication::focusWidget(), Inner("E"));
}

TEST_F(EditFieldFocus, EnterAndExitRunOnceEachOverTheControlNotWhileDisabled) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + EditFieldLines("E", QRect(10, 10, 200, 40),
                                                    {"ObjEnterAction=" + Logs("n"), "ObjExitAction=" + Logs("x")})));
  MoveTo(At(*Inner()));
  MoveTo(At(*Inner(), QPoint(5, 5)));
  EXPECT_EQ(Log(), "n");
  MoveTo(QPoint(300, 200));
  EXPECT_EQ(Log(), "nx");
  Field()->SetEnabledState(false);
  MoveTo(At(*Field()));
  MoveTo(QPoint(300, 200));
  EXPECT_EQ(Log(), "nx");
}

TEST_F(EditFieldFocus, TheControlFollowsTheEnabledStateAndIsATabStopInThePublicationArea) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + EditFieldLines("In", QRect(10, 10, 100, 24)) +
                   EditFieldLines("Out", QRect(450, 10, 100, 24))));
  EXPECT_EQ(Inner("In")->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(Inner("Out")->focusPolicy(), Qt::ClickFocus);
  // The first tab stop of the page took the focus when it was shown.
  EXPECT_EQ(QApplication::focusWidget(), Inner("In"));

  Field("In")->SetEnabledState(false);
  EXPECT_FALSE(Inner("In")->isEnabled());
  Field("In")->SetEnabledState(true);
  EXPECT_TRUE(Inner("In")->isEnabled());
  // Moved out of the area, it is no tab stop any more.
  form->MoveObject(*Field("In"), QRect(420, 40, 100, 24));
  EXPECT_EQ(Inner("In")->focusPolicy(), Qt::ClickFocus);
}

}  // namespace
}  // namespace orv
