// Pressing and letting go of buttons with the real mouse and keyboard: the
// state each style ends in and whether the click runs, the held look while
// the pointer goes in and out, Enter and Space on a focused button, and
// presses that end without a release reaching the button.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <string>

#include "objects/ObjectWindowFixture.h"
#include "objects/buttons/Buttons.h"
#include "objects/buttons/ButtonPage.h"
#include "pages/PageListNavigator.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;
using test::WaitUntil;

const QRect kPlace(40, 40, 90, 30);
const QPoint kAway(300, 250);

class ButtonPressTest : public test::ObjectWindowFixture<> {
 protected:
  TOrvalisButton* OpenButton(int type, const std::string& initState, const std::string& more = "") {
    std::string keys = "ObjAction=" + Logs("c");
    if (!initState.empty()) keys += "\r\nInitState=" + initState;
    if (!more.empty()) keys += "\r\n" + more;
    if (!Open("NewPage=One\r\n" + ObjectLines(type, "B", kPlace, {keys}) + "NewPage=Two\r\n")) return nullptr;
    return Find<TOrvalisButton>("B");
  }
};

TEST_F(ButtonPressTest, ReleaseDecidesTheStateAndTheClick) {
  const struct {
    const char* label;
    int type;
    const char* initState;
    bool pressInside;
    bool releaseInside;
    int state;  // after the release
    bool click;
  } cases[] = {
      {"push", 3, "", true, true, ovbsUp, true},
      {"push, dragged out", 3, "", true, false, ovbsUp, false},
      {"push, pressed beside it", 3, "", false, true, ovbsUp, false},
      {"check box, unchecked", 12, "0", true, true, ovbsDown, true},
      {"check box, checked", 12, "1", true, true, ovbsUp, true},
      {"check box, dragged out", 12, "0", true, false, ovbsUp, false},
      {"check box, checked, dragged out", 12, "1", true, false, ovbsDown, false},
      {"check box, state out of range", 12, "3", true, true, ovbsDown, true},
      {"radio, off", 13, "0", true, true, ovbsDown, true},
      {"radio, already chosen", 13, "1", true, true, ovbsDown, false},
      {"radio, dragged out", 13, "0", true, false, ovbsUp, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    TOrvalisButton* button = OpenButton(c.type, c.initState);
    ASSERT_NE(button, nullptr);
    const QPoint inside = At(*button);
    const QPoint outside = At(*button, QPoint(-10, 5));
    MoveTo(c.pressInside ? inside : outside);
    Press(c.pressInside ? inside : outside);
    MoveTo(c.releaseInside ? inside : outside);
    Release(c.releaseInside ? inside : outside);
    EXPECT_FALSE(button->MousePressed());
    EXPECT_EQ(button->State(), c.state);
    EXPECT_EQ(Log(), "");  // the click script is posted
    QCoreApplication::processEvents();
    EXPECT_EQ(Log(), c.click ? "c" : "");
  }
}

// While held, the state is the held one with the pointer inside and the
// state at press with it outside.
TEST_F(ButtonPressTest, TheHeldLookFollowsThePointer) {
  const struct {
    int type;
    const char* initState;
    int held;
  } cases[] = {{3, "", ovbsDown}, {12, "1", kButtonHeld}, {13, "0", kButtonHeld}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    TOrvalisButton* button = OpenButton(c.type, c.initState);
    ASSERT_NE(button, nullptr);
    const int before = button->State();
    MoveTo(At(*button));
    Press(At(*button));
    EXPECT_EQ(button->State(), c.held);
    EXPECT_EQ(button->StateAtPress(), before);
    MoveTo(At(*button, QPoint(-10, 5)));
    EXPECT_EQ(button->State(), before);
    MoveTo(At(*button));
    EXPECT_EQ(button->State(), c.held);
    Release(At(*button));
  }
}

TEST_F(ButtonPressTest, OnlyThePushButtonRunsARightClickScript) {
  for (const int type : {3, 12, 13}) {
    SCOPED_TRACE(type);
    TOrvalisButton* button = OpenButton(type, "", "ObjRAction=" + Logs("r"));
    ASSERT_NE(button, nullptr);
    const int before = button->State();
    Click(At(*button), Qt::RightButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(Log(), type == 3 ? "r" : "");
    EXPECT_EQ(button->State(), before);
  }
}

// Qt delivers no release to a button that was disabled, hidden or left
// with its page while held: each of these ends the press, back to the
// state at press and without a click, and later presses work.
TEST_F(ButtonPressTest, APressEndsWhenTheButtonCanNoLongerBeLetGo) {
  using Step = std::function<void(TOrvalisButton&)>;
  const struct {
    const char* label;
    Step end;
    Step restore;
  } cases[] = {
      {"disabled", [](auto& b) { b.SetEnabledState(false); }, [](auto& b) { b.SetEnabledState(true); }},
      {"hidden", [](auto& b) { b.SetVisibleState(false); }, [](auto& b) { b.SetVisibleState(true); }},
      {"page left", [this](auto&) { form->Navigator().ShowPage(2); },
       [this](auto&) { form->Navigator().ShowPage(1); }},
  };
  for (const int type : {3, 12}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.label) + ", type " + std::to_string(type));
      TOrvalisButton* button = OpenButton(type, "0");
      ASSERT_NE(button, nullptr);
      MoveTo(At(*button));
      Press(At(*button));
      ASSERT_TRUE(button->MousePressed());
      c.end(*button);
      EXPECT_FALSE(button->MousePressed());
      EXPECT_EQ(button->State(), ovbsUp);
      Release(At(*button));
      c.restore(*button);
      QCoreApplication::processEvents();
      EXPECT_EQ(Log(), "");
      Click(At(*button));
      QCoreApplication::processEvents();
      EXPECT_EQ(Log(), "c");
      EXPECT_EQ(button->State(), type == 12 ? ovbsDown : ovbsUp);
    }
  }
}

// --- Keyboard ---------------------------------------------------------------------

std::string PushLines(const std::string& name, QRect at) {
  return ObjectLines(3, name, at, {"ObjAction=" + Logs(name)});
}

TEST(ButtonKeys, ButtonsInThePublicationAreaAreTabStopsWhenTheMarqueeIsShown) {
  const QRect area(0, 0, 150, 120);
  for (const bool marquee : {true, false}) {
    SCOPED_TRACE(marquee);
    test::ButtonPage page(PushLines("In", QRect(10, 10, 40, 20)) + PushLines("Out", QRect(160, 10, 30, 20)) +
                              ObjectLines(12, "Check", QRect(10, 40, 40, 20)) +
                              ObjectLines(13, "Radio", QRect(10, 70, 40, 20)),
                          {.marquee = marquee, .area = area});
    const Qt::FocusPolicy inArea = marquee ? Qt::TabFocus : Qt::NoFocus;
    for (const char* name : {"In", "Check", "Radio"}) EXPECT_EQ(page.Find(name)->focusPolicy(), inArea) << name;
    TOrvalisButton* out = page.Find("Out");
    EXPECT_EQ(out->focusPolicy(), Qt::NoFocus);
    // Moved into the area by a command, it becomes one.
    page.host.MoveObject(*out, QRect(100, 10, 30, 20));
    EXPECT_EQ(out->focusPolicy(), inArea);
  }
}

TEST(ButtonKeys, EnterOrSpaceHoldsAFocusedButtonDownAMomentAndClicksIt) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    SCOPED_TRACE(key);
    test::ButtonPage page(PushLines("B", QRect(10, 10, 60, 30)), {.marquee = true});
    ASSERT_TRUE(page.Show());
    TOrvalisButton* button = page.Find("B");
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    QTest::keyClick(page.Page().windowHandle(), key);
    EXPECT_EQ(button->State(), ovbsDown);
    EXPECT_EQ(page.Var("[Log]"), "");
    EXPECT_TRUE(WaitUntil([&] { return page.Var("[Log]") == "B"; }));
    EXPECT_EQ(button->State(), ovbsUp);
  }
}

TEST(ButtonKeys, WithoutTheMarqueeEnterDoesNothing) {
  test::ButtonPage page(PushLines("B", QRect(10, 10, 60, 30)));
  ASSERT_TRUE(page.Show());
  TOrvalisButton* button = page.Find("B");
  button->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_FALSE(button->MousePressed());
  QCoreApplication::processEvents();
  EXPECT_EQ(page.Var("[Log]"), "");
}

TEST(ButtonKeys, AFocusedButtonDrawsTheMarqueeAroundItsFocusRectangle) {
  test::ButtonPage page(PushLines("B", QRect(10, 10, 60, 30)) +
                            ObjectLines(12, "C", QRect(10, 50, 80, 20), {"Text=Check", "XPTheme=No"}),
                        {.marquee = true});
  ASSERT_TRUE(page.Show());
  for (const char* name : {"B", "C"}) {
    SCOPED_TRACE(name);
    TOrvalisButton* button = page.Find(name);
    // The window gave its first tab stop the focus.
    button->clearFocus();
    const QImage unfocused = test::GrabOf(*button);
    button->setFocus(Qt::TabFocusReason);
    const QImage focused = test::GrabOf(*button);
    test::SaveGrab(focused, std::string("focused-") + name);
    const QRect marquee = button->FocusRect();
    ASSERT_FALSE(marquee.isEmpty());
    // Every other pixel along the top edge is black.
    EXPECT_EQ(focused.pixelColor(marquee.topLeft()), QColor(Qt::black));
    EXPECT_NE(focused.pixelColor(marquee.topLeft() + QPoint(1, 0)), QColor(Qt::black));
    EXPECT_EQ(focused.pixelColor(marquee.topLeft() + QPoint(2, 0)), QColor(Qt::black));
    EXPECT_NE(unfocused.pixelColor(marquee.topLeft()), QColor(Qt::black));
  }
}

// --- Stand-alone ---------------------------------------------------------------------

TEST(ButtonStandAlone, AClickCallsTheOwnersHandlerInsteadOfTheScript) {
  test::ButtonPage page(ObjectLines(3, "B", QRect(10, 10, 60, 30), {"ObjAction=" + Logs("c"), "FillPattern=1"}));
  ASSERT_TRUE(page.Show());
  auto* button = page.Find<TOrvalisPushBtn>("B");
  EXPECT_TRUE(button->OffScreenBuffered());
  int handled = 0;
  button->SetStandAlone(true, [&handled] { ++handled; });
  EXPECT_FALSE(button->OffScreenBuffered());
  QTest::mouseClick(button, Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(page.Var("[Log]"), "");
}

}  // namespace
}  // namespace orv
