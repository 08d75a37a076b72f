// Docking: the order docked children take their strips in, what is left
// for the fill one, and a container that docks inside its outline and
// margins.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "objects/Docking.h"
#include "objects/ObjectPage.h"
#include "objects/OrvalisObj.h"
#include "objects/OrvalisRepositor.h"

namespace orv {
namespace {

using test::DocLines;
using test::ObjectPage;
using test::Text;

TEST(Docking, StripsAreTakenInOrderAndTheFillTakesTheRest) {
  struct Item {
    int anchor;
    QRect in;
    QRect out;
  };
  const struct {
    const char* label;
    QRect area;
    std::vector<Item> items;
  } cases[] = {
      {"tops by their top edge",
       QRect(0, 0, 100, 80),
       {{anTop, QRect(5, 40, 10, 10), QRect(0, 5, 100, 10)}, {anTop, QRect(5, 20, 10, 5), QRect(0, 0, 100, 5)}}},
      {"bottoms lowest first",
       QRect(0, 0, 100, 80),
       {{anBottom, QRect(0, 10, 10, 10), QRect(0, 64, 100, 10)},
        {anBottom, QRect(0, 50, 10, 6), QRect(0, 74, 100, 6)}}},
      {"lefts by their left edge",
       QRect(0, 0, 100, 80),
       {{anLeft, QRect(30, 0, 7, 1), QRect(4, 0, 7, 80)}, {anLeft, QRect(10, 0, 4, 1), QRect(0, 0, 4, 80)}}},
      {"rights rightmost first",
       QRect(0, 0, 100, 80),
       {{anRight, QRect(10, 0, 7, 1), QRect(89, 0, 7, 80)}, {anRight, QRect(60, 0, 4, 1), QRect(96, 0, 4, 80)}}},
      {"equal edges keep the order of creation",
       QRect(0, 0, 100, 80),
       {{anTop, QRect(0, 9, 1, 3), QRect(0, 0, 100, 3)}, {anTop, QRect(0, 9, 1, 4), QRect(0, 3, 100, 4)}}},
      {"each kind takes its strip from what the ones before left",
       QRect(10, 20, 100, 80),
       {{anFill, QRect(0, 0, 1, 1), QRect(17, 30, 90, 65)},
        {anRight, QRect(0, 0, 3, 50), QRect(107, 30, 3, 65)},
        {anLeft, QRect(0, 0, 7, 50), QRect(10, 30, 7, 65)},
        {anBottom, QRect(0, 0, 50, 5), QRect(10, 95, 100, 5)},
        {anTop, QRect(0, 0, 50, 10), QRect(10, 20, 100, 10)},
        {anNone, QRect(1, 2, 3, 4), QRect(1, 2, 3, 4)}}},
      {"every fill takes the same rest",
       QRect(0, 0, 50, 40),
       {{anFill, QRect(3, 3, 1, 1), QRect(0, 10, 50, 30)},
        {anTop, QRect(0, 0, 5, 10), QRect(0, 0, 50, 10)},
        {anFill, QRect(9, 9, 9, 9), QRect(0, 10, 50, 30)}}},
      {"strips larger than the area leave nothing, never less",
       QRect(0, 0, 20, 20),
       {{anTop, QRect(0, 0, 1, 15), QRect(0, 0, 20, 15)},
        {anBottom, QRect(0, 0, 1, 15), QRect(0, 5, 20, 15)},
        {anLeft, QRect(0, 0, 30, 1), QRect(0, 15, 30, 0)},
        {anFill, QRect(0, 0, 1, 1), QRect(30, 15, 0, 0)}}},
  };
  for (const auto& c : cases) {
    std::vector<TDockItem> items;
    for (const Item& item : c.items) items.push_back({item.anchor, item.in});
    DockItems(c.area, items);
    for (std::size_t i = 0; i < items.size(); ++i)
      EXPECT_EQ(Text(items[i].Rect), Text(c.items[i].out)) << c.label << ", item " << i;
  }
}

// A 100 x 80 container with a 2-pixel outline and margins of 5 and 3.
const std::string kContainer = DocLines({
    "ObjectType=21", "Name=Box", "X=10", "Y=10", "W=100", "H=80", "LineWidth=2", "HMargin=5", "VMargin=3",
    "ContainerBegin",                                                                              //
    "ObjectType=5", "Name=Top", "Anchor=1", "X=0", "Y=0", "W=10", "H=12",                          //
    "ObjectType=5", "Name=Fill", "Anchor=5",                                                       //
    "ObjectType=5", "Name=Free", "Anchor=6", "X=1", "Y=2", "W=3", "H=4",                           //
    "ObjectType=5", "Name=Right", "Anchor=4", "X=50", "Y=0", "W=6", "H=6",                         //
    "ContainerEnd",
});

TEST(Docking, ContainerDocksInsideItsOutlineAndMargins) {
  ObjectPage page(kContainer, QSize(200, 150));
  auto* box = page.As<TOrvalisContainer>();
  ASSERT_NE(box, nullptr);
  ASSERT_EQ(box->Children().size(), 4u);
  EXPECT_EQ(Text(box->ClientArea()), Text(QRect(7, 5, 86, 70)));
  const auto& children = box->Children();
  EXPECT_EQ(Text(children[0]->geometry()), Text(QRect(7, 5, 86, 12)));
  EXPECT_EQ(Text(children[1]->geometry()), Text(QRect(7, 17, 80, 58)));
  // Anchors above 5 dock nothing.
  EXPECT_EQ(children[2]->Anchor(), anNone);
  EXPECT_EQ(Text(children[2]->geometry()), Text(QRect(1, 2, 3, 4)));
  EXPECT_EQ(Text(children[3]->geometry()), Text(QRect(87, 17, 6, 58)));

  // A resize docks again.
  page.Page().show();
  box->resize(120, 60);
  QCoreApplication::processEvents();
  EXPECT_EQ(Text(children[0]->geometry()), Text(QRect(7, 5, 106, 12)));
  EXPECT_EQ(Text(children[1]->geometry()), Text(QRect(7, 17, 100, 38)));
  EXPECT_EQ(Text(children[3]->geometry()), Text(QRect(107, 17, 6, 38)));
}

TEST(Docking, HiddenChildrenTakeNoStrip) {
  ObjectPage page(DocLines({"ObjectType=21", "W=50", "H=40", "LineWidth=0", "ContainerBegin",  //
                            "ObjectType=5", "Anchor=1", "H=10", "Visible=No",                  //
                            "ObjectType=5", "Anchor=3", "W=8", "Visible=Yes",                  //
                            "ObjectType=5", "Anchor=5", "ContainerEnd"}));
  auto* box = page.As<TOrvalisContainer>();
  ASSERT_NE(box, nullptr);
  ASSERT_EQ(box->Children().size(), 3u);
  EXPECT_EQ(Text(box->Children()[1]->geometry()), Text(QRect(0, 0, 8, 40)));
  EXPECT_EQ(Text(box->Children()[2]->geometry()), Text(QRect(8, 0, 42, 40)));
  // Shown while the publication runs, it takes its strip back at once.
  box->Children()[0]->SetVisibleState(true);
  EXPECT_EQ(Text(box->Children()[0]->geometry()), Text(QRect(0, 0, 50, 10)));
  EXPECT_EQ(Text(box->Children()[1]->geometry()), Text(QRect(0, 10, 8, 30)));
  EXPECT_EQ(Text(box->Children()[2]->geometry()), Text(QRect(8, 10, 42, 30)));
}

TEST(Docking, AnOutlineWiderThanTheContainerLeavesItsChildrenNoRoom) {
  for (const char* width : {"60", "2000000000", "2147483647"}) {
    ObjectPage page(DocLines({"ObjectType=21", "X=10", "Y=10", "W=100", "H=80", std::string("LineWidth=") + width,
                              "ContainerBegin", "ObjectType=5", "Anchor=5", "ContainerEnd"}),
                    QSize(200, 150));
    auto* box = page.As<TOrvalisContainer>();
    ASSERT_NE(box, nullptr) << width;
    ASSERT_EQ(box->Children().size(), 1u) << width;
    EXPECT_TRUE(box->ClientArea().isEmpty()) << width << ": " << Text(box->ClientArea());
    const QRect fill = box->Children()[0]->geometry();
    EXPECT_TRUE(fill.isEmpty()) << width << ": " << Text(fill);
  }
}

}  // namespace
}  // namespace orv
