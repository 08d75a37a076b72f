// ShowObject and HideObject on a shown window: on the current page the
// change is on screen at once, effect or none; on the master page it is
// when the current page shows the master page; on another page only the
// state changes and shows when that page does. Whatever its size or place,
// the object's redraw takes only the part of the page that is seen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ObjectCommandFixture.h"
#include "commands/objects/ObjectRedraw.h"
#include "objects/ObjectPage.h"

namespace orv {
namespace {

using test::Box;
using test::kDocBlue;
using test::kDocRed;
using test::Pixel;

using ObjectCommandShowHide = test::ObjectCommandFixture;

const QRgb kWhite = qRgb(255, 255, 255);

std::string Document() {
  return "MasterPage\r\n" + Box("Banner", QRect(0, 0, 400, 20), kDocBlue) + "NewPage=One\r\n" +
         Box("Box", QRect(50, 50, 60, 40), kDocRed) + "NewPage=Two\r\n" +
         Box("Other", QRect(50, 50, 60, 40), kDocRed) + "NewPage=Bare\r\nShowMasterPage=No\r\n";
}

TEST_F(ObjectCommandShowHide, OnTheCurrentPageTheChangeIsSeenAtOnceWithOrWithoutAnEffect) {
  ASSERT_TRUE(Open(Document()));
  const QPoint inside(80, 70);
  ASSERT_EQ(PixelAt(inside), Pixel(kDocRed));
  for (const std::string effect : {"", "Fade"}) {
    SCOPED_TRACE(effect);
    Run("HideObject \"box\" \"" + effect + "\" \"5\"");
    // Up to date on screen when the script returns.
    EXPECT_EQ(Screen().pixel(inside), kWhite);
    EXPECT_FALSE(Find("Box")->VisibleState());
    EXPECT_EQ(Info("Box", "Visible"), "False");
    Run("ShowObject \"Box\" \"" + effect + "\" \"5\"");
    EXPECT_EQ(Screen().pixel(inside), Pixel(kDocRed));
    EXPECT_EQ(Info("Box", "Visible"), "True");
  }
  Grab("show-current");
}

TEST_F(ObjectCommandShowHide, AMasterPageObjectChangesOnScreenWhereTheMasterPageShows) {
  ASSERT_TRUE(Open(Document()));
  const QPoint onBanner(200, 10);
  ASSERT_EQ(PixelAt(onBanner), Pixel(kDocBlue));
  Run("HideObject \"Banner\" \"\" \"\"");
  EXPECT_EQ(PixelAt(onBanner), kWhite);
  Run("ShowObject \"Banner\" \"\" \"\"");
  EXPECT_EQ(Grab("master-shown").pixel(onBanner), Pixel(kDocBlue));

  // A page without the master page: the state changes, the screen not.
  Run("GotoPage \"Bare\"");
  ASSERT_EQ(Page(), 3);
  Run("HideObject \"Banner\" \"\" \"\"");
  EXPECT_FALSE(Find("Banner")->VisibleState());
  EXPECT_EQ(PixelAt(onBanner), kWhite);
  Run("GotoPage \"Two\"");
  EXPECT_EQ(Grab("master-hidden-elsewhere").pixel(onBanner), kWhite);
  Run("ShowObject \"Banner\" \"\" \"\"");
  EXPECT_EQ(PixelAt(onBanner), Pixel(kDocBlue));
}

TEST_F(ObjectCommandShowHide, AnObjectOnAnotherPageOnlyChangesStateUntilItsPageShows) {
  ASSERT_TRUE(Open(Document()));
  const QPoint inside(80, 70);
  Run("HideObject \"Other\" \"Fade\" \"5\"");
  EXPECT_FALSE(Find("Other")->VisibleState());
  EXPECT_EQ(Info("Other", "Visible"), "False");
  // Page one is untouched.
  EXPECT_EQ(PixelAt(inside), Pixel(kDocRed));
  Run("GotoPage \"Two\"");
  EXPECT_EQ(Grab("other-page-hidden").pixel(inside), kWhite);
  Run("GotoPage \"One\"");
  Run("ShowObject \"Other\" \"\" \"\"");
  Run("GotoPage \"Two\"");
  EXPECT_EQ(PixelAt(inside), Pixel(kDocRed));
}

// An object far larger than the page, or far outside it, is redrawn only
// where the page is seen: the area is the visible part or nothing.
TEST_F(ObjectCommandShowHide, TheRedrawnAreaIsOnlyWhatThePageShowsOfTheObject) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + Box("Wide", QRect(-50000, 100, 100000, 40), kDocRed) +
                   Box("Far", QRect(2000000, 2000000, 100000, 100000), kDocBlue)));
  TOrvalisBackground* page = nullptr;
  EXPECT_EQ(test::Text(VisibleObjectArea(*Find("Wide"), &page)), test::Text(QRect(0, 100, 400, 40)));
  EXPECT_EQ(page, &form->Pages().Page(1)->Background());
  EXPECT_TRUE(VisibleObjectArea(*Find("Far")).isEmpty());
  // Both run their effect path without a picture of their own size.
  Run(std::vector<std::string>{"HideObject \"Wide\" \"Fade\" \"5\"", "HideObject \"Far\" \"Fade\" \"5\""});
  EXPECT_EQ(PixelAt(QPoint(200, 120)), kWhite);
  Run(std::vector<std::string>{"ShowObject \"Wide\" \"Fade\" \"5\"", "ShowObject \"Far\" \"Fade\" \"5\""});
  EXPECT_EQ(PixelAt(QPoint(200, 120)), Pixel(kDocRed));
  EXPECT_TRUE(Find("Far")->VisibleState());
}

// Timers are never shown; the commands leave them alone.
TEST_F(ObjectCommandShowHide, TimersAreLeftAlone) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + test::ObjectLines(15, "Tick", QRect(0, 0, 10, 10))));
  Run("HideObject \"Tick\" \"\" \"\"");
  EXPECT_TRUE(Find("Tick")->VisibleState());
  EXPECT_EQ(LastError(), "");
}

}  // namespace
}  // namespace orv
