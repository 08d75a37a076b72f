// Rounded rectangles and ellipses: corner radii that shrink on short
// edges, outlines drawn inside the object, and the page showing outside
// the shape.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <string>

#include "objects/ObjectPage.h"
#include "objects/shapes/ShapePixels.h"
#include "objects/shapes/Shapes.h"

namespace orv {
namespace {

using test::ColourAt;
using test::DocLines;
using test::ObjectPage;
using test::RedInk;

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);

std::string ShapeDocument(int type, QSize size, const std::string& lineWidth, const std::string& fill) {
  return DocLines({"ObjectType=" + std::to_string(type), "X=0", "Y=0", "W=" + std::to_string(size.width()),
                   "H=" + std::to_string(size.height()), "LineColor=$0000FF", "LineWidth=" + lineWidth,
                   "FillColor=" + fill});
}

// A red rounded rectangle, outline and fill alike, of `size` at the
// page's origin: the corner at the top-left is a quarter circle of radius
// `radius` around the pixel centre (radius + 0.5, radius + 0.5), the
// outline reaching half a pixel beyond it. Pixels wholly within the fill
// are red; pixels wholly beyond the outline show the page.
void ExpectCorner(QSize size, double radius) {
  ObjectPage page(ShapeDocument(17, size, "1", "$0000FF"), QSize(100, 100));
  page.Page().SetColor(test::kWhitePage);
  const QImage image = page.Grab();
  test::SaveGrab(image, "roundrect-" + std::to_string(size.width()) + "x" + std::to_string(size.height()));
  const std::string label = std::to_string(size.width()) + "x" + std::to_string(size.height());
  const double centre = radius + 0.5;
  const double halfDiagonal = std::sqrt(0.5);
  int inside = 0, outside = 0;
  for (int y = 0; y < static_cast<int>(centre); ++y)
    for (int x = 0; x < static_cast<int>(centre); ++x) {
      const double distance = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
      const std::string where = label + " at " + std::to_string(x) + "," + std::to_string(y);
      if (distance + halfDiagonal <= radius) {
        EXPECT_DOUBLE_EQ(RedInk(image, x, y), 1.0) << where;
        ++inside;
      } else if (distance - halfDiagonal >= radius + 0.5) {
        EXPECT_DOUBLE_EQ(RedInk(image, x, y), 0.0) << where;
        ++outside;
      }
    }
  EXPECT_GT(inside, 5) << label;
  EXPECT_GT(outside, 5) << label;
  // Between the corners the edges are straight and reach the object's
  // edge; the drawn rectangle is a pixel smaller than the object.
  if (size.width() - 1 > 2 * radius) {
    EXPECT_DOUBLE_EQ(RedInk(image, size.width() / 2, 0), 1.0) << label;
    EXPECT_DOUBLE_EQ(RedInk(image, size.width() / 2, size.height() - 1), 1.0) << label;
    EXPECT_DOUBLE_EQ(RedInk(image, size.width() / 2, size.height()), 0.0) << label;
  }
  if (size.height() - 1 > 2 * radius) {
    EXPECT_DOUBLE_EQ(RedInk(image, 0, size.height() / 2), 1.0) << label;
    EXPECT_DOUBLE_EQ(RedInk(image, size.width() - 1, size.height() / 2), 1.0) << label;
    EXPECT_DOUBLE_EQ(RedInk(image, size.width(), size.height() / 2), 0.0) << label;
  }
}

TEST(RoundRect, CornersHaveRadiusTenOrHalfTheShorterEdge) {
  // The drawn rectangle is a pixel smaller than the object: 15 pixels
  // square leave 14, and corners of 7.
  ExpectCorner(QSize(15, 15), 7.0);
  ExpectCorner(QSize(40, 40), 10.0);
  // Circular even where only one edge is short.
  ExpectCorner(QSize(60, 15), 7.0);
  ExpectCorner(QSize(15, 60), 7.0);
  ExpectCorner(QSize(21, 80), 10.0);
}

TEST(RoundShapes, OutlinesLieInsideTheObjectAndTheFillWithinThem) {
  for (const int type : {6, 17}) {
    for (const int width : {1, 2, 3, 5}) {
      // Odd sizes put the pixel centres of the middle row and column on the
      // ellipse's axes, where its edge is flattest.
      ObjectPage page(ShapeDocument(type, QSize(61, 41), std::to_string(width), "$00FF00"), QSize(80, 60));
      page.Page().SetColor(test::kWhitePage);
      const QImage image = page.Grab();
      if (width == 3) test::SaveGrab(image, "round-type" + std::to_string(type) + "-width3");
      const std::string label = "type " + std::to_string(type) + ", width " + std::to_string(width);
      // Across the middle of each edge: `width` rows of outline from the
      // edge, then the fill.
      // A one-pixel pen on a curve is drawn by Qt's thin-line stroker, which
      // blends a little of the fill into even its fullest pixels.
      auto expect = [&](int x, int y, const QColor& colour, const std::string& what) {
        EXPECT_TRUE(test::Near(image, x, y, colour, 72)) << label << ", " << what << ": " << ColourAt(image, x, y);
      };
      for (int i = 0; i < width; ++i) {
        const std::string row = std::to_string(i);
        expect(30, i, kRed, "top row " + row);
        expect(30, 40 - i, kRed, "bottom row " + row);
        expect(i, 20, kRed, "left column " + row);
        expect(60 - i, 20, kRed, "right column " + row);
      }
      expect(30, width, kGreen, "inside the top");
      expect(30, 20, kGreen, "the middle");
      // The corner shows the page; nothing is drawn beyond the object.
      expect(1, 1, kWhite, "corner");
      expect(61, 20, kWhite, "right of the object");
      expect(30, 41, kWhite, "below the object");
    }
  }
}

TEST(RoundShapes, TheEllipseIsInscribed) {
  ObjectPage page(ShapeDocument(6, QSize(40, 20), "0", "$0000FF"), QSize(60, 40));
  page.Page().SetColor(test::kWhitePage);
  const QImage image = page.Grab();
  test::SaveGrab(image, "ellipse");
  // Every pixel whose centre lies clearly inside the ellipse through the
  // pixel centres of the first and last rows and columns is filled, every
  // one clearly outside shows the page.
  const double cx = 20.0, cy = 10.0, rx = 19.5, ry = 9.5;
  int wrong = 0;
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 42; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      const double r = std::sqrt(dx * dx + dy * dy);
      const double ink = RedInk(image, x, y);
      if (r < 0.85 && ink != 1.0) ++wrong;
      if (r > 1.15 && ink != 0.0) ++wrong;
    }
  EXPECT_EQ(wrong, 0);
}

TEST(RoundShapes, AnOutlineWiderThanTheShapeCoversItAll) {
  for (const int type : {6, 17}) {
    ObjectPage page(ShapeDocument(type, QSize(31, 21), "12", "$00FF00"), QSize(40, 30));
    page.Page().SetColor(test::kWhitePage);
    const QImage image = page.Grab();
    for (const QPoint at : {QPoint(15, 10), QPoint(15, 1), QPoint(3, 10), QPoint(27, 10)})
      EXPECT_EQ(ColourAt(image, at.x(), at.y()), "#ff0000") << type << " at " << at.x() << "," << at.y();
    EXPECT_EQ(ColourAt(image, 0, 0), "#ffffff") << type;
  }
}

TEST(RoundShapes, PatternsAndHollowFills) {
  // Hollow: only the outline; the page shows inside.
  ObjectPage hollow(DocLines({"ObjectType=17", "X=0", "Y=0", "W=40", "H=30", "LineColor=$0000FF",
                              "FillColor=$00FF00", "FillPattern=1"}),
                    QSize(50, 40));
  hollow.Page().SetColor(test::kWhitePage);
  QImage image = hollow.Grab();
  EXPECT_EQ(ColourAt(image, 20, 0), "#ff0000");
  EXPECT_EQ(ColourAt(image, 20, 15), "#ffffff");
  // Pattern 5 (full rows, empty rows) tiled from the page origin.
  ObjectPage pattern(DocLines({"ObjectType=6", "X=3", "Y=3", "W=40", "H=30", "LineWidth=0", "FillColor=$00FF00",
                               "FillPattern=5"}),
                     QSize(50, 40));
  pattern.Page().SetColor(test::kWhitePage);
  image = pattern.Grab();
  test::SaveGrab(image, "ellipse-pattern");
  EXPECT_EQ(ColourAt(image, 23, 16), "#00ff00");
  EXPECT_EQ(ColourAt(image, 23, 17), "#ffffff");
}

}  // namespace
}  // namespace orv
