// Polygons on a page: the shape built from the points or from a picture's
// opaque pixels, the object sized to it, the mask that lets only the shape
// take the mouse, and what leaving the page gives back.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

#include "objects/ObjectPage.h"
#include "objects/shapes/ShapePixels.h"
#include "objects/shapes/Shapes.h"
#include "pages/BackgroundMessages.h"
#include "pages/PictureCache.h"

namespace orv {
namespace {

using test::ColourAt;
using test::DocLines;
using test::ObjectPage;
using test::Text;

// A polygon at (10, 10), first 100 x 80, with `keys`; its page entered.
class PolygonPage {
 public:
  explicit PolygonPage(std::initializer_list<std::string_view> keys) : page_(Document(keys), QSize(140, 120)) {
    page_.Page().SetColor(test::kWhitePage);
    polygon_ = page_.As<TOrvalisPolygon>();
    if (polygon_ != nullptr) polygon_->Notify(kMsgPageEntering, "", "");
  }
  TOrvalisPolygon* Polygon() { return polygon_; }
  ObjectPage& Page() { return page_; }

 private:
  static std::string Document(std::initializer_list<std::string_view> keys) {
    std::string text = DocLines({"ObjectType=23", "X=10", "Y=10", "W=100", "H=80", "LineWidth=0",
                                 "FillColor=$0000FF"});
    for (const std::string_view key : keys) text += std::string(key) + "\r\n";
    return text;
  }

  ObjectPage page_;
  TOrvalisPolygon* polygon_ = nullptr;
};

TEST(Polygon, ATriangleTakesTheSizeOfItsPointsAndOnlyItsShapeIsMasked) {
  PolygonPage page({"Points=3,0,0,40,0,0,30"});
  TOrvalisPolygon* polygon = page.Polygon();
  ASSERT_NE(polygon, nullptr);
  EXPECT_EQ(Text(polygon->geometry()), "10,10 40x30");
  const QImage image = page.Page().Grab();
  test::SaveGrab(image, "polygon-triangle");
  // Inside the triangle, and across its long edge.
  EXPECT_EQ(ColourAt(image, 10 + 5, 10 + 5), "#ff0000");
  EXPECT_EQ(ColourAt(image, 10 + 35, 10 + 25), "#ffffff");
  EXPECT_TRUE(polygon->mask().contains(QPoint(5, 5)));
  EXPECT_FALSE(polygon->mask().contains(QPoint(35, 25)));
}

TEST(Polygon, WithoutPointsItIsItsRectangle) {
  // A count of 0, one beyond the limit, or no points at all.
  for (const char* points : {"Points=0", "Points=65537,1,2", "Name=P"}) {
    PolygonPage page({points});
    TOrvalisPolygon* polygon = page.Polygon();
    ASSERT_NE(polygon, nullptr);
    EXPECT_TRUE(polygon->Points().empty()) << points;
    EXPECT_EQ(Text(polygon->geometry()), "10,10 100x80") << points;
    EXPECT_EQ(polygon->mask(), QRegion(polygon->rect())) << points;
    const QImage image = page.Page().Grab();
    EXPECT_EQ(ColourAt(image, 10, 10), "#ff0000") << points;
    EXPECT_EQ(ColourAt(image, 109, 89), "#ff0000") << points;
    EXPECT_EQ(ColourAt(image, 110, 89), "#ffffff") << points;
  }
}

TEST(Polygon, TheOutlineLiesInsideTheShape) {
  PolygonPage page({"Points=4,0,0,60,0,60,40,0,40", "LineWidth=3", "LineColor=$FF0000"});
  const QImage image = page.Page().Grab();
  test::SaveGrab(image, "polygon-outline");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ColourAt(image, 40, 10 + i), "#0000ff") << i;
  EXPECT_EQ(ColourAt(image, 40, 13), "#ff0000");
  EXPECT_EQ(ColourAt(image, 40, 9), "#ffffff");
  EXPECT_EQ(ColourAt(image, 69, 30), "#0000ff");
  EXPECT_EQ(ColourAt(image, 70, 30), "#ffffff");
}

TEST(Polygon, PaintingAtAScaleScalesTheShape) {
  PolygonPage page({"Points=3,0,0,40,0,0,30"});
  TOrvalisPolygon* polygon = page.Polygon();
  ASSERT_NE(polygon, nullptr);
  QImage image(100, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  polygon->PaintPolygon(painter, QPointF(5, 5), 2.0);
  painter.end();
  // Twice the triangle, from (5, 5).
  EXPECT_EQ(ColourAt(image, 5, 5), "#ff0000");
  EXPECT_EQ(ColourAt(image, 80, 6), "#ff0000");
  EXPECT_EQ(ColourAt(image, 6, 60), "#ff0000");
  EXPECT_EQ(ColourAt(image, 4, 5), "#ffffff");
  EXPECT_EQ(ColourAt(image, 60, 50), "#ffffff");
}

TEST(Polygon, LeavingThePageFreesTheShapeAndEnteringBuildsItAgain) {
  PolygonPage page({"Points=3,0,0,40,0,0,30"});
  TOrvalisPolygon* polygon = page.Polygon();
  ASSERT_NE(polygon, nullptr);
  EXPECT_FALSE(polygon->ShapeRegion().isEmpty());
  polygon->Notify(kMsgPageLeaving, "", "");
  EXPECT_TRUE(polygon->ShapeRegion().isEmpty());
  EXPECT_TRUE(polygon->mask().isEmpty());
  // New points while the page is away wait for it to come back.
  polygon->SetPoints("3,0,0,20,0,0,50");
  EXPECT_EQ(Text(polygon->geometry()), "10,10 40x30");
  polygon->Notify(kMsgPageEntering, "", "");
  EXPECT_EQ(Text(polygon->geometry()), "10,10 20x50");
  EXPECT_TRUE(polygon->mask().contains(QPoint(1, 40)));
  // While the page is on, new points build the shape at once.
  polygon->SetPoints("4,0,0,70,0,70,10,0,10");
  EXPECT_EQ(Text(polygon->geometry()), "10,10 70x10");
}

TEST(Polygon, OnlyThePartOnThePageTakesTheMouseUntilAMoveBringsMoreIn) {
  // 200 x 50 at (10, 10) on a 140 x 120 page: 130 columns are on the page.
  PolygonPage page({"Points=4,0,0,200,0,200,50,0,50"});
  TOrvalisPolygon* polygon = page.Polygon();
  ASSERT_NE(polygon, nullptr);
  EXPECT_EQ(polygon->mask(), QRegion(0, 0, 130, 50));
  page.Page().Page().show();
  polygon->move(-60, 10);
  EXPECT_EQ(polygon->mask(), QRegion(60, 0, 140, 50));
}

TEST(Polygon, TheMaskOfAHugePolygonIsBoundedByThePage) {
  // The most points there may be, zigzagging across the largest span:
  // 32768 teeth 2 pixels apart, 65534 high.
  std::string points = "Points=65536";
  for (int i = 0; i < 32768; ++i) {
    const int x = -32767 + 2 * i;
    points += "," + std::to_string(x) + ",-32767," + std::to_string(x + 1) + ",32767";
  }
  PolygonPage page({points});
  TOrvalisPolygon* polygon = page.Polygon();
  ASSERT_NE(polygon, nullptr);
  EXPECT_EQ(polygon->Points().size(), 65536u);
  EXPECT_EQ(polygon->size(), QSize(65534, 65534));
  // Its mask holds no more than the page's pixels in rows of runs.
  const QRect onPage(0, 0, 130, 110);
  EXPECT_TRUE(onPage.contains(polygon->mask().boundingRect())) << Text(polygon->mask().boundingRect());
  EXPECT_FALSE(polygon->mask().isEmpty());
  EXPECT_LE(polygon->mask().rectCount(), onPage.width() * onPage.height() / 2);
  // Painting it costs what shows too, and shows it.
  const QImage image = page.Page().Grab();
  int inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) inked += image.pixelColor(x, y) != QColor(Qt::white);
  EXPECT_GT(inked, 0);
}

class PolygonPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    PictureCache().EmptyCache();
  }
  void TearDown() override { PictureCache().EmptyCache(); }

  // A 30 x 20 picture: white, with a green 10 x 10 square at (5, 5).
  std::string SquarePicture() {
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(QRect(5, 5, 10, 10), QColor(0, 255, 0));
    return Save(image, "square.png");
  }
  std::string Save(const QImage& image, const std::string& name) {
    const std::string path = dir_.path().toStdString() + "/" + name;
    image.save(QString::fromStdString(path), "PNG");
    return path;
  }

  QTemporaryDir dir_;
};

TEST_F(PolygonPicture, ThePicturesOpaquePixelsAreTheShape) {
  // The white of the bottom-left pixel is the transparent colour.
  PolygonPage page({"FileName=" + SquarePicture(), "PictStyle=1", "Points=3,0,0,90,0,0,70"});
  TOrvalisPolygon* polygon = page.Polygon();
  ASSERT_NE(polygon, nullptr);
  ASSERT_TRUE(polygon->FileExists());
  EXPECT_TRUE(polygon->ImageRgnOK());
  EXPECT_EQ(Text(polygon->geometry()), "10,10 30x20");
  EXPECT_TRUE(polygon->Points().empty());
  EXPECT_EQ(polygon->mask(), QRegion(5, 5, 10, 10));
  const QImage image = page.Page().Grab();
  test::SaveGrab(image, "polygon-picture");
  EXPECT_EQ(ColourAt(image, 10 + 5, 10 + 5), "#00ff00");
  EXPECT_EQ(ColourAt(image, 10 + 14, 10 + 14), "#00ff00");
  // The picture's white is not drawn, nor is the polygon's fill.
  EXPECT_EQ(ColourAt(image, 10 + 2, 10 + 2), "#ffffff");
  EXPECT_EQ(ColourAt(image, 10 + 20, 10 + 10), "#ffffff");
}

TEST_F(PolygonPicture, AnOutlineFramesThePicturesShape) {
  PolygonPage page({"FileName=" + SquarePicture(), "PictStyle=1", "LineWidth=2", "LineColor=$FF0000"});
  const QImage image = page.Page().Grab();
  test::SaveGrab(image, "polygon-picture-frame");
  EXPECT_EQ(ColourAt(image, 10 + 5, 10 + 9), "#0000ff");
  EXPECT_EQ(ColourAt(image, 10 + 6, 10 + 9), "#0000ff");
  EXPECT_EQ(ColourAt(image, 10 + 7, 10 + 9), "#00ff00");
  EXPECT_EQ(ColourAt(image, 10 + 14, 10 + 9), "#0000ff");
  EXPECT_EQ(ColourAt(image, 10 + 4, 10 + 9), "#ffffff");
}

TEST_F(PolygonPicture, APictureWithoutAShapeLeavesThePoints) {
  QImage plain(30, 20, QImage::Format_RGB32);
  plain.fill(QColor(0, 255, 0));
  const struct {
    const char* label;
    std::string file;
  } cases[] = {
      {"missing picture", dir_.path().toStdString() + "/none.png"},
      // Every pixel is the bottom-left one's colour: nothing is opaque.
      {"empty region", Save(plain, "plain.png")},
  };
  for (const auto& c : cases) {
    PolygonPage page({"FileName=" + c.file, "PictStyle=1", "Points=3,0,0,40,0,0,30"});
    TOrvalisPolygon* polygon = page.Polygon();
    ASSERT_NE(polygon, nullptr);
    EXPECT_FALSE(polygon->ImageRgnOK()) << c.label;
    EXPECT_EQ(Text(polygon->geometry()), "10,10 40x30") << c.label;
    EXPECT_TRUE(polygon->mask().contains(QPoint(5, 5))) << c.label;
  }
}

TEST_F(PolygonPicture, APointShapeShowsThePictureInsideIt) {
  QImage picture(60, 40, QImage::Format_RGB32);
  picture.fill(QColor(0, 255, 0));
  const std::string file = Save(picture, "green.png");
  // No transparent colour: the whole picture, cut to the triangle.
  PolygonPage page({"FileName=" + file, "PictTransColor=$1FFFFFFF", "Points=3,0,0,40,0,0,30"});
  const QImage image = page.Page().Grab();
  test::SaveGrab(image, "polygon-points-picture");
  EXPECT_EQ(ColourAt(image, 10 + 5, 10 + 5), "#00ff00");
  EXPECT_EQ(ColourAt(image, 10 + 35, 10 + 25), "#ffffff");
  EXPECT_EQ(ColourAt(image, 10 + 50, 10 + 5), "#ffffff");
}

TEST(Polygon, OpacityIsHeldWithinItsRange) {
  PolygonPage page({"OpacityEx=0"});
  TOrvalisPolygon* polygon = page.Polygon();
  ASSERT_NE(polygon, nullptr);
  EXPECT_EQ(polygon->Opacity(), 1);
  polygon->SetOpacity(400);
  EXPECT_EQ(polygon->Opacity(), 255);
}

}  // namespace
}  // namespace orv
