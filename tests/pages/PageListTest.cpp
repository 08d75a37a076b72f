#include "pages/PageList.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "pages/OrvalisBackground.h"
#include "pages/Page.h"

namespace orv {
namespace {

class PageListTest : public ::testing::Test {
 protected:
  PageListTest() {
    list.resize(200, 100);
    for (const char* name : {"Master", "One", "Two", "Three"}) list.InsertPage(name, list.Count());
  }
  TOVPageList list;
};

TEST_F(PageListTest, PagesKeepTheirOrderAndSize) {
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Page(2)->Name(), "Two");
  EXPECT_EQ(list.Page(2)->size(), QSize(200, 100));
  EXPECT_EQ(list.Page(4), nullptr);
  EXPECT_EQ(list.Page(-1), nullptr);
  EXPECT_FALSE(list.Page(1)->isVisibleTo(&list));
  list.show();
  list.SetPageIndex(3);
  list.resize(300, 120);
  EXPECT_EQ(list.Page(3)->Background().size(), QSize(300, 120));
  list.SetPageIndex(1);  // a page resized while hidden fits when shown
  EXPECT_EQ(list.Page(1)->Background().size(), QSize(300, 120));
}

TEST_F(PageListTest, InsertOutsideTheListIsRefused) {
  for (int index : {-1, 5}) {
    try {
      list.InsertPage("X", index);
      ADD_FAILURE() << index;
    } catch (const EInvalidPageIndex& e) {
      EXPECT_STREQ(e.what(), "Invalid page index.");
    }
  }
  EXPECT_EQ(list.Count(), 4);
  list.InsertPage("Last", 4);
  EXPECT_EQ(list.Page(4)->Name(), "Last");
}

TEST_F(PageListTest, InsertBeforeTheCurrentPageMovesItUp) {
  list.SetPageIndex(2);
  list.InsertPage("Before", 1);
  EXPECT_EQ(list.PageIndex(), 3);
  EXPECT_EQ(list.Page(list.PageIndex())->Name(), "Two");
  list.InsertPage("After", 4);
  EXPECT_EQ(list.PageIndex(), 3);
  list.InsertPage("AtCurrent", 3);
  EXPECT_EQ(list.PageIndex(), 4);
}

TEST_F(PageListTest, IndexOfNameIgnoresCase) {
  list.InsertPage("\xC9t\xE9", 4);  // "Été" in Windows-1252
  EXPECT_EQ(list.IndexOfName("two"), 2);
  EXPECT_EQ(list.IndexOfName("THREE"), 3);
  EXPECT_EQ(list.IndexOfName("\xE9T\xC9"), 4);
  EXPECT_EQ(list.IndexOfName("Four"), -1);
  EXPECT_EQ(list.IndexOfName(""), -1);
}

TEST_F(PageListTest, SwitchShowsTheNewPageAndHidesTheOld) {
  std::vector<std::string> trace;
  list.OnPageChange = [&](int index, bool& allow) {
    trace.push_back("change " + std::to_string(index) + " next " + std::to_string(list.NextPageIndex()));
    allow = true;
  };
  list.OnPageChanged = [&](int index) { trace.push_back("changed " + std::to_string(index)); };
  list.SetPageIndex(1);  // from nothing shown: no events
  list.SetPageIndex(3);
  list.SetPageIndex(3);  // the same page: nothing
  EXPECT_EQ(trace, (std::vector<std::string>{"change 3 next 3", "changed 3"}));
  EXPECT_EQ(list.PageIndex(), 3);
  EXPECT_EQ(list.NextPageIndex(), 3);
  EXPECT_TRUE(list.Page(3)->isVisibleTo(&list));
  EXPECT_FALSE(list.Page(1)->isVisibleTo(&list));
}

TEST_F(PageListTest, InvalidIndexRaisesUnlessLoading) {
  EXPECT_THROW(list.SetPageIndex(4), EInvalidPageIndex);
  EXPECT_THROW(list.SetPageIndex(-1), EInvalidPageIndex);
  list.SetLoading(true);
  list.SetPageIndex(2);
  EXPECT_EQ(list.PageIndex(), 2);
}

TEST_F(PageListTest, SwitchDuringASwitchIsIgnored) {
  list.SetPageIndex(1);
  list.OnPageChange = [&](int, bool& allow) {
    EXPECT_TRUE(list.Switching());
    list.SetPageIndex(3);
    allow = true;
  };
  list.SetPageIndex(2);
  EXPECT_EQ(list.PageIndex(), 2);
}

// A refused or failed switch must not leave the list believing a switch is
// still running: every later change would be ignored.
TEST_F(PageListTest, RefusedOrFailedSwitchClearsTheSwitchingFlag) {
  list.SetPageIndex(1);
  list.OnPageChange = [](int, bool& allow) { allow = false; };
  list.SetPageIndex(2);
  EXPECT_EQ(list.PageIndex(), 1);
  EXPECT_FALSE(list.Switching());
  EXPECT_EQ(list.NextPageIndex(), 1);

  list.OnPageChange = [](int, bool&) { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(list.SetPageIndex(2), std::runtime_error);
  EXPECT_FALSE(list.Switching());
  EXPECT_EQ(list.NextPageIndex(), 1);

  list.OnPageChange = nullptr;
  list.SetPageIndex(2);
  EXPECT_EQ(list.PageIndex(), 2);
}

TEST_F(PageListTest, ClearEmptiesTheList) {
  list.SetPageIndex(1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.PageIndex(), -1);
}

}  // namespace
}  // namespace orv
