// A polygon in a shown window takes the mouse only on its shape: a click
// beside the shape but inside its rectangle reaches what lies beneath, and
// entering and leaving run the polygon's scripts at the shape's edge.
#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "objects/ObjectWindowFixture.h"
#include "objects/shapes/Shapes.h"
#include "pages/PictureCache.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;

class PolygonMouseTest : public test::ObjectWindowFixture<> {
 protected:
  void SetUp() override {
    // Qt asks the offscreen platform where its cursor is whenever widgets
    // appear or vanish; an earlier test may have left it over the page.
    QCursor::setPos(QPoint(0, 0));
  }
};

const QRect kPlace(40, 40, 80, 60);
const QPoint kAway(300, 250);
// Points of the polygon: the triangle over the rectangle's top-left half.
const QPoint kOnShape(10, 10);
const QPoint kBesideShape(70, 50);

// A push button "B" under a triangle "T" of the same rectangle.
std::string ButtonUnderTriangle(const std::string& polygonKeys = {}) {
  return "NewPage=P\r\n" + ObjectLines(3, "B", kPlace, {"ObjAction=" + Logs("b")}) +
         ObjectLines(23, "T", kPlace,
                     {"Points=3,0,0,80,0,0,60", "ObjAction=" + Logs("c"), "ObjEnterAction=" + Logs("e"),
                      "ObjExitAction=" + Logs("x"), polygonKeys});
}

TEST_F(PolygonMouseTest, AClickBesideTheShapeReachesTheObjectBeneath) {
  ASSERT_TRUE(Open(ButtonUnderTriangle()));
  auto* polygon = Find<TOrvalisPolygon>("T");
  ASSERT_NE(polygon, nullptr);
  Click(At(*polygon, kBesideShape));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "b");
  MoveTo(kAway);
  vars.SetVar("[Log]", "");
  Click(At(*polygon, kOnShape));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "ec");
}

TEST_F(PolygonMouseTest, EnteringAndLeavingFollowTheShape) {
  ASSERT_TRUE(Open(ButtonUnderTriangle()));
  auto* polygon = Find<TOrvalisPolygon>("T");
  ASSERT_NE(polygon, nullptr);
  MoveTo(kAway);
  MoveTo(At(*polygon, kBesideShape));
  EXPECT_EQ(Log(), "");
  MoveTo(At(*polygon, kOnShape));
  EXPECT_EQ(Log(), "e");
  MoveTo(At(*polygon, kBesideShape));
  EXPECT_EQ(Log(), "ex");
  MoveTo(kAway);
  EXPECT_EQ(Log(), "ex");
}

TEST_F(PolygonMouseTest, APictureNamedByAVariableGivesTheShapeWhenTheVariableChanges) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  PictureCache().EmptyCache();
  // White with a 20 x 20 square at the top-left: the square is the shape.
  QImage image(60, 50, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) image.setPixel(x, y, qRgb(0, 0, 255));
  const QString file = dir.path() + "/square.png";
  ASSERT_TRUE(image.save(file, "PNG"));

  ASSERT_TRUE(Open(ButtonUnderTriangle("FileName=[Pic]\r\nPictStyle=1")));
  auto* polygon = Find<TOrvalisPolygon>("T");
  ASSERT_NE(polygon, nullptr);
  // No picture yet: the points make the shape.
  EXPECT_FALSE(polygon->ImageRgnOK());
  EXPECT_EQ(polygon->size(), QSize(80, 60));
  vars.SetVar("[Pic]", file.toStdString());
  EXPECT_TRUE(polygon->ImageRgnOK());
  EXPECT_EQ(polygon->size(), QSize(60, 50));
  Click(At(*polygon, QPoint(25, 5)));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "b");
  MoveTo(kAway);
  vars.SetVar("[Log]", "");
  Click(At(*polygon, QPoint(5, 5)));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "ec");
  PictureCache().EmptyCache();
}

}  // namespace
}  // namespace orv
