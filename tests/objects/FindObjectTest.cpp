// Finding page objects by name as scripts address them: which of several
// objects of one name answers from which current page.
#include <gtest/gtest.h>

#include <string>

#include "objects/FindObject.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"

namespace orv {
namespace {

using test::ObjectLines;

// Every object's X tells it apart from the others of its name.
std::string Document() {
  return "MasterPage\r\n" + ObjectLines(5, "Shared", QRect(1, 0, 5, 5)) +
         ObjectLines(5, "Caf\xE9", QRect(2, 0, 5, 5)) + ObjectLines(5, "", QRect(3, 0, 5, 5)) +
         "NewPage=One\r\n" + ObjectLines(5, "", QRect(10, 0, 5, 5)) +
         "ObjectType=20\r\nName=G\r\nX=0\r\nY=0\r\nW=100\r\nH=100\r\nGroupBegin\r\n"
         "ObjectType=21\r\nName=C\r\nX=0\r\nY=0\r\nW=100\r\nH=100\r\nContainerBegin\r\n" +
         ObjectLines(5, "Deep", QRect(11, 0, 5, 5)) + "ContainerEnd\r\nGroupEnd\r\n" +
         ObjectLines(5, "Deep", QRect(12, 0, 5, 5)) + "NewPage=Two\r\n" +
         ObjectLines(5, "Shared", QRect(21, 0, 5, 5)) + ObjectLines(5, "OnlyTwo", QRect(22, 0, 5, 5)) +
         ObjectLines(5, "Deep", QRect(23, 0, 5, 5));
}

using FindObjectTest = test::WorkFormFixture<>;

TEST_F(FindObjectTest, CurrentPageFirstThenThePagesInOrderDepthFirstWithoutCase) {
  ASSERT_TRUE(LoadDocument(Document()));
  const struct {
    int current;
    const char* name;
    int page;  // -1: nothing found
    int x;
  } cases[] = {
      {1, "Shared", 0, 1},    // the master page before page Two
      {2, "sHARED", 2, 21},   // the current page before the master page
      {1, "deep", 1, 11},     // inside the group's container before the later one
      {2, "DEEP", 2, 23},
      {1, "onlytwo", 2, 22},
      {2, "CAF\xC9", 0, 2},   // Windows-1252 letters in the other case
      {1, "Missing", -1, 0},
      {1, "", -1, 0},         // unnamed objects are no match for it
      {2, "", -1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.current) + " " + c.name);
    form->Navigator().ShowPage(c.current);
    ASSERT_EQ(form->Pages().PageIndex(), c.current);
    const TFoundObject found = FindPageObject(form->Pages(), c.name);
    EXPECT_EQ(form->FindObject(c.name, true), found.Object);
    if (c.page < 0) {
      EXPECT_EQ(found.Object, nullptr);
      EXPECT_EQ(found.Page, nullptr);
      continue;
    }
    ASSERT_NE(found.Object, nullptr);
    EXPECT_EQ(found.Object->x(), c.x);
    EXPECT_EQ(found.Page, &form->Pages().Page(c.page)->Background());
  }
}

// Lookups go through an index of names: every change to the objects after
// a first lookup must show in the next one.
TEST_F(FindObjectTest, LookupsFollowRenamesRemovalsRestackingAndNewPages) {
  ASSERT_TRUE(LoadDocument(Document()));
  form->Navigator().ShowPage(1);
  ASSERT_EQ(form->FindObject("Deep", false)->x(), 11);

  TOrvalisObj* onlyTwo = form->FindObject("OnlyTwo", false);
  onlyTwo->SetObjectName("Renamed");
  EXPECT_EQ(form->FindObject("OnlyTwo", false), nullptr);
  EXPECT_EQ(form->FindObject("renamed", false), onlyTwo);

  // Two of one name on one page: the page's stacking order decides.
  TOrvalisBackground& one = form->Pages().Page(1)->Background();
  TOrvalisObj* pageDeep = form->FindObject("Deep", false);
  for (TBackgroundObject* object : one.Objects())
    if (object->ObjectName() == "Deep") pageDeep = dynamic_cast<TOrvalisObj*>(object);
  ASSERT_EQ(pageDeep->x(), 12);
  one.RestackObject(pageDeep, false);
  EXPECT_EQ(form->FindObject("Deep", false), pageDeep);

  delete form->FindObject("Shared", false);  // the master page's
  EXPECT_EQ(form->FindObject("Shared", false)->x(), 21);

  form->Pages().InsertPage("Inserted", 1);
  const TFoundObject found = FindPageObject(form->Pages(), "Renamed");
  ASSERT_EQ(found.Object, onlyTwo);
  EXPECT_EQ(found.Page, &form->Pages().Page(3)->Background());
}

TEST_F(FindObjectTest, FloatingWindowsAnswerFirstOnlyWhenAskedFor) {
  ASSERT_TRUE(LoadDocument(Document()));
  form->Navigator().ShowPage(1);
  TOrvalisObj* floating = form->FindObject("OnlyTwo", false);
  ASSERT_NE(floating, nullptr);
  form->FindFloatingObject = [floating](std::string_view name) {
    return name == "Shared" ? floating : nullptr;
  };
  EXPECT_EQ(form->FindObject("Shared", true), floating);
  EXPECT_EQ(form->FindObject("Shared", false)->x(), 1);
  EXPECT_EQ(form->FindObject("", true), nullptr);
}

}  // namespace
}  // namespace orv
