// Clicks and hovering on page objects in a shown window, with input that
// Qt delivers as it does the window system's: when each script runs, which
// button runs which script, and the mouse-inside flag through disabling,
// page switches and the close.
#include <gtest/gtest.h>

#include <QCursor>
#include <string>

#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"
#include "pages/PageListNavigator.h"
#include "script/Engine.h"

namespace orv {
namespace {

using ObjectEventsTest = test::ObjectWindowFixture<>;
using test::Logs;
using test::ObjectLines;

const QRect kPlace(40, 40, 80, 50);
const QPoint kAway(300, 250);  // bare page

std::string HoverKeys() {
  return "ObjEnterAction=" + Logs("e") + "\r\nObjExitAction=" + Logs("x");
}

TEST_F(ObjectEventsTest, EnterRunsAtOnceAndAClickRunsOnlyOnceTheLoopIsBack) {
  // A text block takes no click script from the document.
  const struct {
    int type;
    bool click;       // the type takes "ObjAction=" as its click script
    bool rightClick;  // the type has "ObjRAction="
  } cases[] = {{3, true, true}, {4, true, true}, {23, true, true}, {8, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    ASSERT_TRUE(Open("NewPage=P\r\n" + ObjectLines(c.type, "O", kPlace,
                                                   {"ObjAction=" + Logs("c"), "ObjRAction=" + Logs("r"),
                                                    HoverKeys()})));
    TOrvalisObj* object = Find("O");
    ASSERT_NE(object, nullptr);
    MoveTo(kAway);
    MoveTo(At(*object));
    EXPECT_EQ(Log(), "e");  // inside the move's own handling
    Press(At(*object));
    Release(At(*object));
    EXPECT_EQ(Log(), "e");  // posted: not inside the release
    QCoreApplication::processEvents();
    std::string expected = c.click ? "ec" : "e";
    EXPECT_EQ(Log(), expected);
    Press(At(*object), Qt::RightButton);
    Release(At(*object), Qt::RightButton);
    QCoreApplication::processEvents();
    if (c.rightClick) expected += "r";
    EXPECT_EQ(Log(), expected);
    MoveTo(kAway);
    EXPECT_EQ(Log(), expected + "x");
  }
}

TEST_F(ObjectEventsTest, ReleaseOutsideTheObjectIsNoClick) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + ObjectLines(3, "B", kPlace, {"ObjAction=" + Logs("c")})));
  TOrvalisObj* button = Find("B");
  ASSERT_NE(button, nullptr);
  MoveTo(At(*button));
  Press(At(*button));
  MoveTo(kAway);
  Release(kAway);
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "");
  // Back inside before the release, it is a click after all.
  Press(At(*button));
  MoveTo(kAway);
  MoveTo(At(*button));
  Release(At(*button));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "c");
}

TEST_F(ObjectEventsTest, DisabledObjectNeitherClicksNorEnters) {
  for (const int type : {3, 4, 23}) {
    SCOPED_TRACE(type);
    ASSERT_TRUE(Open("NewPage=P\r\n" + ObjectLines(type, "O", kPlace,
                                                   {"Enabled=No", "ObjAction=" + Logs("c"),
                                                    "ObjRAction=" + Logs("r"), HoverKeys()})));
    TOrvalisObj* object = Find("O");
    ASSERT_NE(object, nullptr);
    MoveTo(kAway);
    Click(At(*object));
    Click(At(*object), Qt::RightButton);
    MoveTo(kAway);
    QCoreApplication::processEvents();
    EXPECT_EQ(Log(), "");
    EXPECT_FALSE(object->MouseInside());
  }
}

// Disabled while the mouse is inside: the leave still clears the flag, so
// the next enter after enabling is heard, and no exit runs without its enter.
TEST_F(ObjectEventsTest, LeavingWhileDisabledClearsTheMouseInsideFlag) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + ObjectLines(3, "B", kPlace, {HoverKeys()})));
  TOrvalisObj* button = Find("B");
  ASSERT_NE(button, nullptr);
  MoveTo(kAway);
  MoveTo(At(*button));
  button->SetEnabledState(false);
  MoveTo(kAway);
  EXPECT_FALSE(button->MouseInside());
  button->SetEnabledState(true);
  MoveTo(At(*button));
  EXPECT_EQ(Log(), "ee");
  MoveTo(kAway);
  EXPECT_EQ(Log(), "eex");
}

TEST_F(ObjectEventsTest, EnteringWhileDisabledLeavesNoExitToRunAlone) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + ObjectLines(3, "B", kPlace, {"Enabled=No", HoverKeys()})));
  TOrvalisObj* button = Find("B");
  ASSERT_NE(button, nullptr);
  MoveTo(kAway);
  MoveTo(At(*button));
  button->SetEnabledState(true);
  MoveTo(At(*button) + QPoint(3, 3));  // moving inside is no enter
  MoveTo(kAway);
  EXPECT_EQ(Log(), "");
  MoveTo(At(*button));
  MoveTo(kAway);
  EXPECT_EQ(Log(), "ex");
}

// Whatever Qt tells the hidden page's objects, leaving the page ends their
// hover without an exit script, and coming back is a fresh enter.
TEST_F(ObjectEventsTest, LeavingThePageEndsTheHoverWithoutAnExitScript) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + ObjectLines(3, "B", kPlace, {HoverKeys()}) + "NewPage=Two\r\n"));
  TOrvalisObj* button = Find("B");
  ASSERT_NE(button, nullptr);
  MoveTo(kAway);
  MoveTo(At(*button));
  ASSERT_EQ(Log(), "e");
  form->Navigator().ShowPage(2);
  QCoreApplication::processEvents();
  EXPECT_FALSE(button->MouseInside());
  EXPECT_EQ(Log(), "e");
  form->Navigator().ShowPage(1);
  QCoreApplication::processEvents();
  MoveTo(At(*button) + QPoint(2, 2));
  EXPECT_TRUE(button->MouseInside());
  EXPECT_EQ(Log(), "ee");
  MoveTo(kAway);
  EXPECT_EQ(Log(), "eex");
}

TEST_F(ObjectEventsTest, NoHoverScriptRunsWhileThePublicationCloses) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + ObjectLines(3, "B", kPlace, {HoverKeys()})));
  TOrvalisObj* button = Find("B");
  ASSERT_NE(button, nullptr);
  MoveTo(kAway);
  MoveTo(At(*button));
  engine.SetClosing(true);
  MoveTo(kAway);
  MoveTo(At(*button));
  MoveTo(kAway);
  EXPECT_EQ(Log(), "e");
  EXPECT_FALSE(button->MouseInside());
}

// The pointer rests where an object of each page lies: the switch hides
// one and shows the other. Leaving its page ends the first one's hover
// without its exit script; the second's enter script runs after the
// switch, never inside it.
TEST_F(ObjectEventsTest, HoverScriptsOfAPageSwitchRunAfterIt) {
  const std::string page1 = "NewPage=One\r\n" + ObjectLines(4, "A", kPlace, {"ObjEnterAction=" + Logs("a"),
                                                                              "ObjExitAction=" + Logs("A")});
  const std::string page2 = "NewPage=Two\r\n" + ObjectLines(4, "B", kPlace, {"ObjEnterAction=" + Logs("b"),
                                                                              "ObjExitAction=" + Logs("B")});
  ASSERT_TRUE(Open(page1 + page2));
  TOrvalisObj* a = Find("A");
  ASSERT_NE(a, nullptr);
  MoveTo(kAway);
  MoveTo(At(*a));
  ASSERT_EQ(Log(), "a");
  // The offscreen platform keeps its own cursor, which Qt asks when widgets
  // appear or vanish under it.
  QCursor::setPos(form->mapToGlobal(At(*a)));
  form->Navigator().ShowPage(2);
  EXPECT_EQ(Log(), "a");  // nothing inside the switch
  ASSERT_TRUE(test::WaitUntil([this] { return Log() != "a"; }, 2000));
  EXPECT_EQ(Log(), "ab");
  EXPECT_FALSE(a->MouseInside());
  EXPECT_TRUE(Find("B")->MouseInside());
}

}  // namespace
}  // namespace orv
