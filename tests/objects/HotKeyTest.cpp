// Object hot keys typed into the shown window: which object answers, how a
// button is pressed and let go, edit fields taking the focus, Enter inside
// a multi-line edit field, and F1 before everything.
#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "app/WindowVarHost.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"

namespace orv {
namespace {

using test::EventCounter;
using test::Logs;
using test::ObjectLines;
using test::WaitUntil;

// Windows virtual-key codes with the document's modifier bits.
constexpr int kCtrl = 0x4000;
constexpr int kReturnKey = 0x0D;
constexpr int kF1Key = 0x70;
constexpr int kF5Key = 0x74;
constexpr int kF6Key = 0x75;

std::string Button(const std::string& name, int x, int key, std::initializer_list<std::string> more = {}) {
  std::string text = ObjectLines(3, name, QRect(x, 10, 30, 30), more);
  return text + "Key=" + std::to_string(key) + "\r\nObjAction=" + Logs(name) + "\r\n";
}

std::string Group(const std::string& name, const std::string& children, const std::string& keys = "") {
  return "ObjectType=20\r\nName=" + name + "\r\nX=0\r\nY=100\r\nW=400\r\nH=100\r\n" + keys +
         "GroupBegin\r\n" + children + "GroupEnd\r\n";
}

class HotKeyTest : public test::ObjectWindowFixture<TWindowVarHost> {
 protected:
  bool OpenHotKeys(const std::string& pages, const std::string& settings = "") {
    if (!Open(pages, 1, settings)) return false;
    varHost.AttachWindow(form.get());
    return true;
  }
  void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    PressKey(key, modifiers);
    ReleaseKey(key, modifiers);
  }
};

TEST_F(HotKeyTest, AButtonIsPressedAndLetGoLaterAndThePageComesBeforeTheMasterPage) {
  ASSERT_TRUE(OpenHotKeys("MasterPage\r\n" + Button("M", 10, kCtrl | 'H') + Button("I", 50, kCtrl | 'I') +
                          "NewPage=P\r\n" + Button("P", 10, kCtrl | 'H')));
  TOrvalisObj* button = Find("P");
  ASSERT_NE(button, nullptr);
  EventCounter presses(button, QEvent::MouseButtonPress);
  EventCounter releases(button, QEvent::MouseButtonRelease);
  PressKey(Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(presses.Count(), 1);
  EXPECT_EQ(releases.Count(), 0);  // held down for a moment first
  ReleaseKey(Qt::Key_H, Qt::ControlModifier);
  EXPECT_TRUE(WaitUntil([this] { return !Log().empty(); }));
  EXPECT_EQ(releases.Count(), 1);
  EXPECT_EQ(Log(), "P");
  // A key no object of the page has goes to the master page's objects.
  Type(Qt::Key_I, Qt::ControlModifier);
  EXPECT_TRUE(WaitUntil([this] { return Log() == "PI"; })) << Log();
}

TEST_F(HotKeyTest, HiddenAndDisabledObjectsAreSkippedAndTheFirstDepthFirstAnswers) {
  ASSERT_TRUE(OpenHotKeys(
      "NewPage=P\r\n" +
      Group("G", Button("Hidden", 10, kF5Key, {"Visible=No"}) + Button("Off", 50, kF5Key, {"Enabled=No"}) +
                     Button("Inner", 90, kF5Key)) +
      Button("After", 10, kF5Key) + Group("OffGroup", Button("InOff", 10, kF6Key), "Enabled=No\r\n") +
      Button("Last", 130, kF6Key)));
  Type(Qt::Key_F5);
  EXPECT_TRUE(WaitUntil([this] { return !Log().empty(); }));
  Type(Qt::Key_F6);
  EXPECT_TRUE(WaitUntil([this] { return Log() != "Inner"; }));
  EXPECT_EQ(Log(), "InnerLast");
}

TEST_F(HotKeyTest, AnEditFieldTakesTheFocusAndFocusedObjectNamesIt) {
  ASSERT_TRUE(OpenHotKeys("NewPage=P\r\n" + ObjectLines(9, "Entry", QRect(10, 10, 100, 24)) +
                          "Key=" + std::to_string(kCtrl | 'E') + "\r\n"));
  TOrvalisObj* edit = Find("Entry");
  ASSERT_NE(edit, nullptr);
  // The field is the page's first tab stop: it starts with the focus.
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  QApplication::focusWidget()->clearFocus();
  EXPECT_EQ(Var("[FocusedObject]"), "");
  Type(Qt::Key_E, Qt::ControlModifier);
  // The focus goes to the control the field types into.
  EXPECT_EQ(QApplication::focusWidget(), edit->focusProxy());
  EXPECT_EQ(Var("[FocusedObject]"), "Entry");
}

TEST_F(HotKeyTest, EnterStaysWithAFocusedMultiLineEditField) {
  for (const bool multiLine : {true, false}) {
    SCOPED_TRACE(multiLine);
    ASSERT_TRUE(OpenHotKeys("NewPage=P\r\n" + Button("Ok", 200, kReturnKey) + Button("K", 250, kCtrl | 'K') +
                            ObjectLines(9, "Entry", QRect(10, 10, 100, 60),
                                        {multiLine ? "EditMultiLine=Yes" : "EditMultiLine=No"}) +
                            "Key=" + std::to_string(kCtrl | 'E') + "\r\n"));
    TOrvalisObj* edit = Find("Entry");
    TOrvalisObj* button = Find("Ok");
    ASSERT_TRUE(edit != nullptr && button != nullptr);
    Type(Qt::Key_E, Qt::ControlModifier);
    ASSERT_NE(edit->focusProxy(), nullptr);
    ASSERT_EQ(QApplication::focusWidget(), edit->focusProxy());
    EventCounter typed(edit->focusProxy(), QEvent::KeyPress);
    EventCounter pressed(button, QEvent::MouseButtonPress);
    Type(Qt::Key_Return);
    EXPECT_EQ(typed.Count(), multiLine ? 1 : 0);
    EXPECT_EQ(pressed.Count(), multiLine ? 0 : 1);
    // Other keys are hot keys there all the same.
    Type(Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([this] { return Log().find('K') != std::string::npos; })) << Log();
  }
}

TEST_F(HotKeyTest, F1OpensTheHelpBeforeAnyHotKey) {
  const struct {
    const char* settings;
    int opened;
    int buttonPresses;
  } cases[] = {{"HelpFile=guide.chm\r\n", 1, 0}, {"", 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings);
    ASSERT_TRUE(OpenHotKeys("NewPage=P\r\n" + Button("Helper", 10, kF1Key), c.settings));
    std::vector<std::string> opened;
    form->OnOpenHelp = [&opened](const std::string& file) { opened.push_back(file); };
    TOrvalisObj* button = Find("Helper");
    ASSERT_NE(button, nullptr);
    EventCounter pressed(button, QEvent::MouseButtonPress);
    Type(Qt::Key_F1);
    EXPECT_EQ(static_cast<int>(opened.size()), c.opened);
    EXPECT_EQ(pressed.Count(), c.buttonPresses);
  }
}

}  // namespace
}  // namespace orv
