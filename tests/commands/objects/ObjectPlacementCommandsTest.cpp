// MoveObject and SizeObject in page coordinates: the screen shows the
// object at its new place and size at once, GetObjectInfo reads back what
// was set, objects in groups and containers keep their place when their
// "Left" and "Top" are given back, and a line is moved and sized by the
// rectangle its end points span.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ObjectCommandFixture.h"
#include "objects/ObjectPage.h"
#include "objects/shapes/OrvalisLine.h"

namespace orv {
namespace {

using test::Box;
using test::Holder;
using test::kDocRed;
using test::ObjectLines;
using test::Pixel;

using ObjectCommandPlacement = test::ObjectCommandFixture;

const QRgb kWhite = qRgb(255, 255, 255);

TEST_F(ObjectCommandPlacement, MovedAndSizedObjectsShowAtTheirNewPlaceAtOnce) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + Box("Box", QRect(20, 20, 40, 30), kDocRed)));
  Run("MoveObject \"Box\" \"200\" \"150\"");
  // Qt's backing store repaints the old and the new place together.
  const QImage moved = Grab();
  EXPECT_EQ(moved.pixel(30, 30), kWhite);
  EXPECT_EQ(moved.pixel(210, 160), Pixel(kDocRed));
  EXPECT_EQ(InfoRect("Box"), "200,150 40x30");

  Run("SizeObject \"Box\" \"100\" \"-1\"");
  EXPECT_EQ(InfoRect("Box"), "200,150 100x30");
  EXPECT_EQ(Grab("moved-sized").pixel(290, 160), Pixel(kDocRed));
  Run("SizeObject \"Box\" \"-1\" \"60\"");
  EXPECT_EQ(InfoRect("Box"), "200,150 100x60");
}

TEST_F(ObjectCommandPlacement, NumbersBeyondTheLimitsAreClampedAndNegativeSizesAreNothing) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + Box("Box", QRect(20, 20, 40, 30), kDocRed)));
  struct Case {
    std::string line, expected;
  } cases[] = {
      {"MoveObject \"Box\" \"99999999999\" \"-99999999999\"", "16777215,-16777215 40x30"},
      {"MoveObject \"Box\" \"-5\" \"7\"", "-5,7 40x30"},
      {"SizeObject \"Box\" \"-7\" \"-1\"", "-5,7 0x30"},
      {"SizeObject \"Box\" \"99999999999\" \"12\"", "-5,7 16777215x12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Run(c.line);
    EXPECT_EQ(InfoRect("Box"), c.expected);
  }
}

// What GetObjectInfo says of an object in a group in a container, given
// back to MoveObject, leaves the object where it is; a new place is in
// page coordinates whatever holds the object.
TEST_F(ObjectCommandPlacement, GroupedObjectsGoBackWhereGetObjectInfoSaysTheyAre) {
  const std::string inner = Holder(20, "G", QRect(30, 20, 200, 150), Box("Deep", QRect(15, 10, 40, 30), kDocRed));
  ASSERT_TRUE(Open("NewPage=One\r\n" + Holder(21, "C", QRect(40, 30, 300, 250), inner)));
  TOrvalisObj* deep = Find("Deep");
  ASSERT_NE(deep, nullptr);
  const QRect before = deep->geometry();
  EXPECT_EQ(Info("Deep", "Left"), std::to_string(40 + 30 + 15));
  EXPECT_EQ(Info("Deep", "Top"), std::to_string(30 + 20 + 10));
  Run({"GetObjectInfo \"Deep\" \"Left\" \"[X]\"", "GetObjectInfo \"Deep\" \"Top\" \"[Y]\"",
       "MoveObject \"Deep\" \"[X]\" \"[Y]\""});
  EXPECT_EQ(test::Text(deep->geometry()), test::Text(before));

  Run("MoveObject \"Deep\" \"100\" \"90\"");
  EXPECT_EQ(Info("Deep", "Left"), "100");
  EXPECT_EQ(Info("Deep", "Top"), "90");
  EXPECT_EQ(Grab("grouped").pixel(110, 100), Pixel(kDocRed));
}

// A line is the rectangle its end points span: moving keeps the run of
// the line, sizing fits it into the new rectangle the way it ran.
TEST_F(ObjectCommandPlacement, ALineMovesAndSizesByTheRectangleOfItsEndPoints) {
  ASSERT_TRUE(Open("NewPage=One\r\nObjectType=7\r\nName=L\r\nLineWidth=5\r\nLineColor=255\r\n"
                   "X1=100\r\nY1=50\r\nX2=20\r\nY2=90\r\n"));
  auto* line = Find<TOrvalisLine>("L");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(InfoRect("L"), "20,50 80x40");
  Run("MoveObject \"L\" \"120\" \"150\"");
  EXPECT_EQ(InfoRect("L"), "120,150 80x40");
  EXPECT_EQ(line->StartPoint(), QPoint(200, 150));
  EXPECT_EQ(line->EndPoint(), QPoint(120, 190));
  Run("SizeObject \"L\" \"40\" \"-1\"");
  EXPECT_EQ(InfoRect("L"), "120,150 40x40");
  // Still from the top-right corner to the bottom-left.
  EXPECT_EQ(line->StartPoint(), QPoint(160, 150));
  EXPECT_EQ(line->EndPoint(), QPoint(120, 190));
  Grab("line");
}

TEST_F(ObjectCommandPlacement, ObjectsOnAPageNotShownMoveAndShowThereLater) {
  ASSERT_TRUE(Open("NewPage=One\r\nNewPage=Two\r\n" + Box("Box", QRect(20, 20, 40, 30), kDocRed)));
  Run({"MoveObject \"Box\" \"300\" \"200\"", "SizeObject \"Box\" \"50\" \"50\""});
  EXPECT_EQ(InfoRect("Box"), "300,200 50x50");
  Run("GotoPage \"Two\"");
  const QImage shown = Grab();
  EXPECT_EQ(shown.pixel(30, 30), kWhite);
  EXPECT_EQ(shown.pixel(340, 240), Pixel(kDocRed));
}

}  // namespace
}  // namespace orv
