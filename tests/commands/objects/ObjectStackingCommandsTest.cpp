// ObjectToFront and ObjectToBack: the screen, the page composed off-screen
// and the lookup by name all follow the new order, on a page that shows
// the master page too, where an object sent to the back stays above the
// master page.
#include <gtest/gtest.h>

#include <string>

#include "ObjectCommandFixture.h"
#include "commands/objects/ObjectRedraw.h"
#include "objects/OrvalisRepositor.h"

namespace orv {
namespace {

using test::Box;
using test::Holder;
using test::kDocBlue;
using test::kDocGreen;
using test::kDocRed;
using test::Pixel;


// Two overlapping boxes over a master page's box; each page object has a
// twin of its name elsewhere on the page, after it.
std::string Document() {
  return "MasterPage\r\n" + Box("Floor", QRect(0, 0, 400, 300), kDocGreen) + "NewPage=One\r\n" +
         Box("Low", QRect(50, 50, 100, 100), kDocRed) + Box("High", QRect(100, 100, 100, 100), kDocBlue) +
         Box("Low", QRect(300, 200, 10, 10), kDocBlue);
}

class ObjectCommandStacking : public test::ObjectCommandFixture {
 protected:
  // The colour where the boxes overlap: on screen and as page one renders
  // itself off-screen.
  struct Overlap {
    QRgb screen, rendered;
  };
  Overlap Seen() {
    TOrvalisBackground& page = form->Pages().Page(1)->Background();
    return {Grab().pixel(120, 120), RenderPageArea(page, QRect(120, 120, 1, 1)).pixel(0, 0) | 0xFF000000};
  }
};

TEST_F(ObjectCommandStacking, FrontAndBackChangeTheScreenThePageRenderingAndTheLookupTogether) {
  ASSERT_TRUE(Open(Document()));
  ASSERT_EQ(form->FindObject("Low", false)->geometry(), QRect(50, 50, 100, 100));
  EXPECT_EQ(Seen().screen, Pixel(kDocBlue));
  EXPECT_EQ(Seen().rendered, Pixel(kDocBlue));

  Run("ObjectToFront \"Low\"");
  EXPECT_EQ(Seen().screen, Pixel(kDocRed));
  EXPECT_EQ(Seen().rendered, Pixel(kDocRed));
  Grab("front");
  // The lookup now meets the twin first.
  EXPECT_EQ(form->FindObject("Low", false)->geometry(), QRect(300, 200, 10, 10));

  Run("ObjectToBack \"High\"");
  EXPECT_EQ(Seen().screen, Pixel(kDocRed));
  Run("ObjectToFront \"High\"");
  EXPECT_EQ(Seen().screen, Pixel(kDocBlue));
  EXPECT_EQ(Seen().rendered, Pixel(kDocBlue));
}

TEST_F(ObjectCommandStacking, AnObjectSentToTheBackStaysAboveTheMasterPage) {
  ASSERT_TRUE(Open(Document()));
  ASSERT_EQ(Grab().pixel(10, 10), Pixel(kDocGreen));
  Run("ObjectToBack \"High\"");
  const QImage shown = Grab("back-over-master");
  EXPECT_EQ(shown.pixel(180, 180), Pixel(kDocBlue));
  EXPECT_EQ(shown.pixel(10, 10), Pixel(kDocGreen));
  EXPECT_EQ(Seen().screen, Pixel(kDocRed));
  // The master page's own objects keep their order among themselves.
  Run("ObjectToBack \"Floor\"");
  EXPECT_EQ(Grab().pixel(10, 10), Pixel(kDocGreen));
}

TEST_F(ObjectCommandStacking, InsideAGroupTheGroupsOrderChanges) {
  ASSERT_TRUE(Open("NewPage=One\r\n" +
                   Holder(20, "G", QRect(0, 0, 300, 300),
                          Box("A", QRect(50, 50, 100, 100), kDocRed) + Box("B", QRect(100, 100, 100, 100), kDocBlue))));
  auto* group = Find<TOrvalisRepositor>("G");
  ASSERT_NE(group, nullptr);
  Run("ObjectToFront \"A\"");
  EXPECT_EQ(group->Children().back(), Find("A"));
  EXPECT_EQ(Seen().screen, Pixel(kDocRed));
  EXPECT_EQ(Seen().rendered, Pixel(kDocRed));
  Run("ObjectToBack \"A\"");
  EXPECT_EQ(group->Children().front(), Find("A"));
  EXPECT_EQ(Seen().screen, Pixel(kDocBlue));
  EXPECT_EQ(Seen().rendered, Pixel(kDocBlue));
}

}  // namespace
}  // namespace orv
