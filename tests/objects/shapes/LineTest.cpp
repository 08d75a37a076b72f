// Lines: where their window goes for every width, direction and pair of
// heads, what the pen and the heads paint, and fitting a line into a new
// rectangle the way it ran.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "objects/ObjectPage.h"
#include "objects/shapes/ShapePixels.h"
#include "objects/shapes/Shapes.h"

namespace orv {
namespace {

using test::DocLines;
using test::ObjectPage;
using test::RedInk;
using test::Text;

// A red line from (x1, y1) to (x2, y2) with `extra` lines after.
std::string LineDocument(QPoint p1, QPoint p2, const std::vector<std::string>& extra) {
  std::string text = DocLines({"ObjectType=7", "LineColor=$0000FF"});
  for (const std::string& line : extra) text += line + "\r\n";
  text += DocLines({"X1=" + std::to_string(p1.x()), "Y1=" + std::to_string(p1.y()),
                    "X2=" + std::to_string(p2.x()), "Y2=" + std::to_string(p2.y())});
  return text;
}

TEST(Line, TheWindowSpansThePointsWithRoomForThePenAndTheHeads) {
  const struct {
    const char* label;
    QPoint p1, p2;
    std::vector<std::string> keys;
    QRect window;
  } cases[] = {
      {"horizontal, width 1: from the line down", {10, 10}, {110, 10}, {}, {10, 10, 100, 2}},
      {"the same backwards", {110, 10}, {10, 10}, {}, {10, 10, 100, 2}},
      {"horizontal, width 6: centred", {10, 10}, {110, 10}, {"LineWidth=6"}, {10, 7, 100, 6}},
      {"horizontal, width 3: all three rows", {10, 10}, {110, 10}, {"LineWidth=3"}, {10, 8, 100, 4}},
      {"horizontal, width 0: centred", {10, 10}, {110, 10}, {"LineWidth=0"}, {10, 9, 100, 2}},
      {"negative width: as 0", {10, 10}, {110, 10}, {"LineWidth=-4"}, {10, 9, 100, 2}},
      {"vertical, width 1: from the line right", {20, 5}, {20, 45}, {}, {20, 5, 2, 40}},
      {"vertical, width 6", {20, 45}, {20, 5}, {"LineWidth=6"}, {17, 5, 6, 40}},
      {"slanted, width 1", {10, 10}, {50, 30}, {}, {9, 9, 42, 22}},
      {"slanted, width 6", {50, 10}, {10, 30}, {"LineWidth=6"}, {7, 7, 46, 26}},
      // An 8 by 8 head on the pen's centre row, half a pixel below y 10.
      {"arrow at the end", {10, 10}, {110, 10}, {"EndCaps=512"}, {10, 6, 100, 9}},
      {"arrow at the start", {10, 10}, {110, 10}, {"EndCaps=1"}, {10, 6, 100, 9}},
      {"vertical with both arrows", {20, 5}, {20, 45}, {"EndCaps=513"}, {16, 5, 9, 40}},
      // A head wider than the line's window widens it beyond the span.
      {"short line, wide head", {10, 10}, {14, 10}, {"EndCaps=1"}, {10, 6, 8, 9}},
      {"no length: no heads", {30, 30}, {30, 30}, {"EndCaps=513"}, {30, 30, 0, 2}},
  };
  for (const auto& c : cases) {
    ObjectPage page(LineDocument(c.p1, c.p2, c.keys), QSize(200, 100));
    auto* line = page.As<TOrvalisLine>();
    ASSERT_NE(line, nullptr) << c.label;
    EXPECT_EQ(Text(line->geometry()), Text(c.window)) << c.label;
    EXPECT_EQ(Text(QRect(line->StartPoint(), line->EndPoint())), Text(QRect(c.p1, c.p2))) << c.label;
  }
}

TEST(Line, ChangingWidthOrHeadsPlacesTheWindowAgain) {
  ObjectPage page(LineDocument({10, 10}, {110, 10}, {}), QSize(200, 100));
  auto* line = page.As<TOrvalisLine>();
  ASSERT_NE(line, nullptr);
  line->SetLineWidth(6);
  EXPECT_EQ(Text(line->geometry()), "10,7 100x6");
  line->SetEndCap(lc_Arrow);
  EXPECT_EQ(Text(line->geometry()), "10,-4 100x28") << "a head of 4 x (6 + 1) across the pen's centre";
  line->SetEndCap(lc_None);
  line->SetLineWidth(1);
  EXPECT_EQ(Text(line->geometry()), "10,10 100x2");
  // The points stay where they were throughout.
  EXPECT_EQ(Text(QRect(line->StartPoint(), line->EndPoint())), Text(QRect(QPoint(10, 10), QPoint(110, 10))));
}

TEST(Line, ThePenFillsWholeRowsOfItsWidth) {
  const struct {
    const char* width;
    int first, last;  // the rows the pen fills
  } cases[] = {{"1", 20, 20}, {"0", 20, 20}, {"-3", 20, 20}, {"2", 19, 20}, {"3", 19, 21}, {"6", 17, 22}};
  for (const auto& c : cases) {
    ObjectPage page(LineDocument({10, 20}, {90, 20}, {std::string("LineWidth=") + c.width}), QSize(100, 40));
    page.Page().SetColor(test::kWhitePage);
    const QImage image = page.Grab();
    if (std::string(c.width) == "3") test::SaveGrab(image, "line-width-3");
    for (int y = c.first - 2; y <= c.last + 2; ++y) {
      const bool inPen = y >= c.first && y <= c.last;
      EXPECT_DOUBLE_EQ(RedInk(image, 50, y), inPen ? 1.0 : 0.0) << "width " << c.width << ", row " << y;
    }
    // Flat ends: the pen covers the first point's column and stops before
    // the last.
    EXPECT_DOUBLE_EQ(RedInk(image, 10, c.first), 1.0) << c.width;
    EXPECT_DOUBLE_EQ(RedInk(image, 89, c.first), 1.0) << c.width;
    EXPECT_DOUBLE_EQ(RedInk(image, 90, c.first), 0.0) << c.width;
  }
}

TEST(Line, AWidthOneArrowHeadIsEightLongAndEightWide) {
  ObjectPage page(LineDocument({10, 20}, {110, 20}, {"EndCaps=512"}), QSize(130, 40));
  page.Page().SetColor(test::kWhitePage);
  const QImage image = page.Grab();
  test::SaveGrab(image, "line-arrow");
  // The head runs from where the ink first leaves the pen's row to the tip
  // at x 110.
  int base = -1;
  for (int x = 0; x < image.width() && base < 0; ++x)
    if (RedInk(image, x, 19) > 0.0 || RedInk(image, x, 21) > 0.0) base = x;
  int tip = -1;
  for (int x = 0; x < image.width(); ++x)
    if (RedInk(image, x, 20) > 0.0) tip = x;
  EXPECT_EQ(base, 102);
  EXPECT_EQ(tip, 109);
  // Its ink is a triangle 8 long and 8 wide: 32 pixels besides the 92 of
  // the line before it.
  double ink = 0.0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ink += RedInk(image, x, y);
  EXPECT_NEAR(ink - 92.0, 32.0, 1.0);
  // Centred on the pen's row.
  EXPECT_NEAR(RedInk(image, 102, 16), RedInk(image, 102, 24), 0.05);
  // Nothing beyond the tip, and the line runs on behind the head.
  EXPECT_DOUBLE_EQ(RedInk(image, 110, 20), 0.0);
  EXPECT_DOUBLE_EQ(RedInk(image, 60, 20), 1.0);
  EXPECT_DOUBLE_EQ(RedInk(image, 60, 21), 0.0);
}

TEST(Line, HeadsAtBothEndsPointOutwards) {
  ObjectPage page(LineDocument({20, 60}, {80, 20}, {"LineWidth=2", "EndCaps=513"}), QSize(100, 80));
  page.Page().SetColor(test::kWhitePage);
  const QImage image = page.Grab();
  test::SaveGrab(image, "line-two-heads");
  // Each head is widest near its base, 12 back from its tip, and narrow at
  // the tip: across the line, ink a few pixels off the line near the
  // bases, none that far off near the tips.
  auto inkBeside = [&](QPointF at) {
    // Perpendicular to the line (direction (3, -2)) by 4 pixels.
    const QPointF across(2.0 / 3.6056 * 4, 3.0 / 3.6056 * 4);
    return RedInk(image, static_cast<int>(at.x() + across.x()), static_cast<int>(at.y() + across.y()));
  };
  const QPointF along(60.0 / 72.111, -40.0 / 72.111);
  const QPointF start(20, 60), end(80, 20);
  EXPECT_GT(inkBeside(start + along * 10), 0.5);
  EXPECT_GT(inkBeside(end - along * 10), 0.5);
  EXPECT_DOUBLE_EQ(inkBeside(start + along * 2), 0.0);
  EXPECT_DOUBLE_EQ(inkBeside(end - along * 2), 0.0);
  EXPECT_DOUBLE_EQ(inkBeside((start + end) / 2), 0.0);
}

TEST(Line, DashedStylesLeaveGapsAlongTheLine) {
  for (const char* style : {"1", "2", "3", "4"}) {
    ObjectPage page(LineDocument({10, 20}, {90, 20}, {std::string("LineStyle=") + style}), QSize(100, 40));
    page.Page().SetColor(test::kWhitePage);
    const QImage image = page.Grab();
    int inked = 0;
    for (int x = 10; x < 90; ++x) inked += RedInk(image, x, 20) > 0.5;
    EXPECT_GT(inked, 10) << style;
    EXPECT_LT(inked, 70) << style;
  }
}

TEST(Line, PaintingAtAScaleScalesPenAndPlace) {
  ObjectPage page(LineDocument({10, 20}, {90, 20}, {}), QSize(100, 40));
  auto* line = page.As<TOrvalisLine>();
  ASSERT_NE(line, nullptr);
  QImage image(200, 30, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  line->PaintLine(painter, QPointF(5, 5), 2.0);
  painter.end();
  // The one-pixel pen on the window's first row, twice as large.
  EXPECT_DOUBLE_EQ(RedInk(image, 100, 4), 0.0);
  EXPECT_DOUBLE_EQ(RedInk(image, 100, 5), 1.0);
  EXPECT_DOUBLE_EQ(RedInk(image, 100, 6), 1.0);
  EXPECT_DOUBLE_EQ(RedInk(image, 100, 7), 0.0);
  EXPECT_DOUBLE_EQ(RedInk(image, 5, 5), 1.0);
  EXPECT_DOUBLE_EQ(RedInk(image, 164, 5), 1.0);
  EXPECT_DOUBLE_EQ(RedInk(image, 165, 5), 0.0);
}

TEST(Line, FittingIntoARectangleKeepsTheDiagonal) {
  const QRect target(100, 60, 80, 40);
  const QPoint topLeft = target.topLeft();
  const QPoint topRight(target.left() + target.width(), target.top());
  const QPoint bottomLeft(target.left(), target.top() + target.height());
  const QPoint bottomRight(target.left() + target.width(), target.top() + target.height());
  const struct {
    const char* label;
    QPoint p1, p2;
    QPoint fit1, fit2;
  } cases[] = {
      {"bottom-left to top-right", {10, 50}, {60, 10}, bottomLeft, topRight},
      {"top-right to bottom-left", {60, 10}, {10, 50}, topRight, bottomLeft},
      {"top-left to bottom-right", {10, 10}, {60, 50}, topLeft, bottomRight},
      {"bottom-right to top-left", {60, 50}, {10, 10}, bottomRight, topLeft},
  };
  for (const std::string width : {"1", "7"}) {
    for (const auto& c : cases) {
      ObjectPage page(LineDocument(c.p1, c.p2, {"LineWidth=" + width}), QSize(300, 200));
      auto* line = page.As<TOrvalisLine>();
      ASSERT_NE(line, nullptr);
      line->FitLineToRect(target);
      EXPECT_EQ(Text(QRect(line->StartPoint(), line->EndPoint())), Text(QRect(c.fit1, c.fit2)))
          << c.label << ", width " << width;
    }
  }
}

}  // namespace
}  // namespace orv
