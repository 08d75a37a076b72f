// What the window and other parts ask of any object: its hint with live
// values, the window's show, hide and move announcing "moved", and where
// the object lies on its page.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QToolTip>
#include <string>

#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"
#include "pages/BackgroundMessages.h"

namespace orv {
namespace {

using ObjectOperationsTest = test::ObjectWindowFixture<>;
using test::ObjectLines;

TEST_F(ObjectOperationsTest, AHintShowsTheVariablesItNamesAsTheyAreNow) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + ObjectLines(4, "Pic", QRect(20, 20, 80, 60), {"Hint=Score: [Score]\xB6of 10"})));
  TOrvalisObj* picture = Find("Pic");
  ASSERT_NE(picture, nullptr);
  for (const char* score : {"3", "7"}) {
    vars.SetVar("[Score]", score);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), picture->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(picture, &help);
    EXPECT_EQ(QToolTip::text().toStdString(), std::string("Score: ") + score + "\nof 10");
  }
  QToolTip::hideText();
}

// Counts the "moved" notifications the object hears.
class MoveCounter : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;
  void Notify(int message, const std::string& text, const std::string& data) override {
    if (message == kMsgMoved) ++moved;
    TOrvalisObj::Notify(message, text, data);
  }
  int moved = 0;
};

TEST_F(ObjectOperationsTest, TheWindowsShowHideAndMoveEachAnnounceAMove) {
  ASSERT_TRUE(Open("NewPage=P\r\n"));
  TOrvalisBackground& page = form->Pages().Page(1)->Background();
  auto* object = new MoveCounter(5, &page, form.get());
  object->setGeometry(10, 10, 30, 20);
  object->show();
  form->ShowObjectWindow(*object, false);
  EXPECT_TRUE(object->isHidden());
  EXPECT_TRUE(object->VisibleState());  // the caller's to change
  form->ShowObjectWindow(*object, true);
  form->MoveObject(*object, QRect(50, 60, 70, 80));
  EXPECT_EQ(object->geometry(), QRect(50, 60, 70, 80));
  EXPECT_EQ(object->moved, 3);
}

TEST_F(ObjectOperationsTest, PagePositionAddsTheHoldersAndTellsThePublicationArea) {
  ASSERT_TRUE(Open("NewPage=P\r\n" +
                   std::string("ObjectType=20\r\nName=G\r\nX=100\r\nY=50\r\nW=200\r\nH=100\r\nGroupBegin\r\n") +
                   ObjectLines(5, "Inner", QRect(10, 20, 30, 30)) + "GroupEnd\r\n" +
                   ObjectLines(5, "Outside", QRect(500, 400, 30, 30))));
  TOrvalisObj* inner = Find("Inner");
  ASSERT_NE(inner, nullptr);
  TOrvalisBackground* page = nullptr;
  EXPECT_EQ(inner->PagePosition(&page), QPoint(110, 70));
  EXPECT_EQ(page, &form->Pages().Page(1)->Background());
  EXPECT_EQ(inner->ParentOffset(), QPoint(100, 50));
  EXPECT_TRUE(inner->InPublicationArea());
  // The window is 400 x 300: an object at 500,400 lies outside it.
  EXPECT_FALSE(Find("Outside")->InPublicationArea());
}

}  // namespace
}  // namespace orv
