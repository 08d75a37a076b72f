// The keyboard around list and combo boxes: the object's focus reaching
// the inner control (hot key, focus command), Page Up and Down turning
// pages even from a focused list or combo, tab stops inside the
// publication area only, and the inner control following the object's
// enabled state.
#include <gtest/gtest.h>

#include <QApplication>
#include <string>

#include "objects/input/ListWindowFixture.h"
#include "pages/PageList.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;
using test::WaitUntil;

constexpr int kCtrl = 0x4000;

class ListFocusTest : public test::ListWindowFixture {
 protected:
  // Two pages; the first holds a list box "L" and a combo box "C", both
  // bound to [Choice].
  bool OpenTwoPages(const std::string& settings = "", const std::string& more = "") {
    return Open("NewPage=One\r\n" +
                    ObjectLines(10, "L", QRect(10, 10, 120, 100),
                                {"Text=A\xB6" "B\xB6" "C", "VarName=Choice", "Key=" + std::to_string(kCtrl | 'L')}) +
                    ObjectLines(11, "C", QRect(150, 10, 120, 30),
                                {"Text=A\xB6" "B\xB6" "C", "VarName=Choice", "Key=" + std::to_string(kCtrl | 'K')}) +
                    more + "NewPage=Two\r\n",
                1, settings);
  }
  QWidget* ControlOf(const char* name) { return Find<TOrvalisListObject>(name)->Control(); }
};

TEST_F(ListFocusTest, HotKeysAndTheObjectsFocusReachTheInnerControl) {
  ASSERT_TRUE(OpenTwoPages());
  Type(Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), ControlOf("L"));
  Type(Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), ControlOf("C"));
  EXPECT_EQ(TOrvalisObj::FocusedObjectName(), "C");
  // What the focus command does.
  Find("L")->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(QApplication::focusWidget(), ControlOf("L"));
  EXPECT_EQ(TOrvalisObj::FocusedObjectName(), "L");
}

TEST_F(ListFocusTest, PageKeysTurnPagesEvenFromAFocusedListOrCombo) {
  for (const char* name : {"L", "C"}) {
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_End}) {
      SCOPED_TRACE(std::string(name) + (key == Qt::Key_End ? " End" : " Page Down"));
      ASSERT_TRUE(OpenTwoPages("AllowPageUpDn=Yes\r\n"));
      vars.SetVar("[Choice]", "A");
      Find(name)->setFocus();
      ASSERT_EQ(QApplication::focusWidget(), ControlOf(name));
      Type(key);
      EXPECT_TRUE(WaitUntil([this] { return form->Pages().PageIndex() == 2; }));
      // The key never reached the control.
      EXPECT_EQ(Var("[Choice]"), "A");
    }
  }
  // With the setting off the list takes Page Down itself.
  ASSERT_TRUE(OpenTwoPages("AllowPageUpDn=No\r\n"));
  vars.SetVar("[Choice]", "A");
  Find("L")->setFocus();
  Type(Qt::Key_PageDown);
  QCoreApplication::processEvents();
  EXPECT_EQ(form->Pages().PageIndex(), 1);
  EXPECT_EQ(Var("[Choice]"), "C");
}

TEST_F(ListFocusTest, OnlyBoxesInsideThePublicationAreaAreTabStops) {
  ASSERT_TRUE(OpenTwoPages("", ObjectLines(10, "Out", QRect(500, 10, 80, 80), {"Text=A"}) +
                                   ObjectLines(11, "OutC", QRect(500, 100, 80, 20), {"Text=A"})));
  EXPECT_EQ(ControlOf("L")->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(ControlOf("C")->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(ControlOf("Out")->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(ControlOf("OutC")->focusPolicy(), Qt::ClickFocus);
  // Moved inside, told so.
  TOrvalisObj* out = Find("Out");
  out->move(200, 150);
  out->Notify(kMsgMoved, "", "");
  EXPECT_EQ(ControlOf("Out")->focusPolicy(), Qt::StrongFocus);
}

TEST_F(ListFocusTest, TheInnerControlFollowsTheObjectsEnabledState) {
  ASSERT_TRUE(OpenTwoPages());
  for (const char* name : {"L", "C"}) {
    TOrvalisObj* object = Find(name);
    object->SetEnabledState(false);
    EXPECT_FALSE(ControlOf(name)->isEnabled()) << name;
    object->SetEnabledState(true);
    EXPECT_TRUE(ControlOf(name)->isEnabled()) << name;
  }
  // A disabled list takes no click.
  auto* list = Find<TOrvalisListBox>("L");
  list->SetEnabledState(false);
  ClickWith(ItemPoint(*list, 1));
  QCoreApplication::processEvents();
  EXPECT_EQ(ShownSelection(*list), "---");
}

}  // namespace
}  // namespace orv
