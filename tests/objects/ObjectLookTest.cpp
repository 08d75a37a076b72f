// How the object base looks on the page: which objects let the page show
// through, fill patterns that line up with the page origin wherever the
// object sits, outlines of every width and style, and the values that once
// broke painting.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <string>
#include <utility>

#include "objects/FillPatterns.h"
#include "objects/ObjectPage.h"
#include "objects/OrvalisObj.h"

namespace orv {
namespace {

using test::DocLines;
using test::ObjectPage;

// Colours as the document writes them ($BBGGRR) and as they are painted.
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);
const QColor kPageGrey(128, 128, 128);
constexpr ColourValue kPageGreyValue = 0x808080;

std::string At(const QImage& image, int x, int y) { return image.pixelColor(x, y).name().toStdString(); }
std::string Name(const QColor& colour) { return colour.name().toStdString(); }

bool TileBit(int pattern, QPoint pagePoint) {
  const auto& rows = FillPatternRows(pattern);
  const int x = ((pagePoint.x() % 8) + 8) % 8;
  const int y = ((pagePoint.y() % 8) + 8) % 8;
  return (rows[static_cast<std::size_t>(y)] & (0x80 >> x)) != 0;
}

// Every pixel of `pageRect` shows `pattern` as tiled from the page origin:
// `dot` where the tile has a bit, `space` elsewhere.
void ExpectTiles(const QImage& image, const QRect& pageRect, int pattern, const QColor& dot, const QColor& space,
                 const std::string& label) {
  int wrong = 0;
  std::string first;
  for (int y = pageRect.top(); y <= pageRect.bottom(); ++y)
    for (int x = pageRect.left(); x <= pageRect.right(); ++x) {
      const QColor expected = TileBit(pattern, {x, y}) ? dot : space;
      if (image.pixelColor(x, y) == expected) continue;
      if (wrong++ == 0)
        first = std::to_string(x) + "," + std::to_string(y) + ": " + At(image, x, y) + " for " + Name(expected);
    }
  EXPECT_EQ(wrong, 0) << label << " pattern " << pattern << ", first at " << first;
}

std::string YesNo(bool value) { return value ? "Yes" : "No"; }

TEST(ObjectLook, TransparencyFollowsTheFillUnlessTheTypeFixesIt) {
  const struct {
    const char* label;
    int type;
    int pattern;
    bool fillMode;
    bool transparent;
  } cases[] = {
      {"hollow", 5, 1, false, true},
      {"hollow, fill mode", 5, 1, true, true},
      {"solid, fill mode", 5, 0, true, false},
      {"solid", 5, 0, false, false},
      {"pattern, fill mode", 5, 7, true, true},
      {"pattern", 5, 7, false, false},
      // Fills that would make these opaque, or transparent, change nothing.
      {"check box", 12, 0, false, true},
      {"radio button", 13, 0, false, true},
      {"circle", 6, 0, false, true},
      {"round rectangle", 17, 0, false, true},
      {"line", 7, 0, false, true},
      {"polygon", 23, 0, false, true},
      {"track bar", 16, 0, false, true},
      {"group", 20, 0, false, true},
      {"web browser", 14, 1, true, false},
      {"web browser, pattern", 14, 7, true, false},
      {"flash", 22, 1, true, false},
  };
  for (const auto& c : cases) {
    ObjectPage page(DocLines({"ObjectType=" + std::to_string(c.type), "X=8", "Y=8", "W=16", "H=16", "LineWidth=0",
                              "FillColor=$0000FF", "FillPattern=" + std::to_string(c.pattern),
                              "FillMode=" + YesNo(c.fillMode)}));
    page.Page().SetColor(kPageGreyValue);
    TOrvalisObj* object = page.Object();
    ASSERT_NE(object, nullptr) << c.label;
    EXPECT_EQ(object->GetIsTransparent(), c.transparent) << c.label;
    // Qt paints the page beneath only what is transparent.
    EXPECT_EQ(object->testAttribute(Qt::WA_OpaquePaintEvent), !c.transparent) << c.label;
    if (c.type != 5) continue;
    // Page row 8 is an empty row of pattern 7.
    const QColor expected = c.transparent ? kPageGrey : c.pattern == 0 ? kRed : kWhite;
    EXPECT_EQ(At(page.Grab(), 10, 8), Name(expected)) << c.label;
  }
}

TEST(ObjectLook, PatternsLineUpWithThePageOriginWhereverTheObjectSits) {
  const struct {
    int pattern;
    bool fillMode;
  } cases[] = {{10, false}, {45, false}, {3, false}, {10, true}, {22, true}};
  for (const auto& c : cases) {
    const std::string fill = "FillPattern=" + std::to_string(c.pattern);
    const std::string mode = "FillMode=" + YesNo(c.fillMode);
    ObjectPage page(DocLines({"ObjectType=5", "X=3", "Y=2", "W=20", "H=12", "LineWidth=0", "FillColor=$0000FF", fill,
                              mode,  //
                              "ObjectType=5", "X=11", "Y=17", "W=20", "H=12", "LineWidth=0", "FillColor=$0000FF",
                              fill, mode,  //
                              "ObjectType=20", "X=34", "Y=5", "W=30", "H=30", "GroupBegin",  //
                              "ObjectType=5", "X=2", "Y=3", "W=20", "H=20", "LineWidth=0", "FillColor=$0000FF", fill,
                              mode,  //
                              "GroupEnd"}));
    page.Page().SetColor(kPageGreyValue);
    ASSERT_EQ(page.Count(), 3u);
    // Where the pattern has no dot, a transparent fill shows the page.
    const QColor space = c.fillMode ? kPageGrey : kWhite;
    const std::string label = c.fillMode ? "transparent" : "opaque";
    for (const auto& [how, image] : {std::pair{"grabbed", page.Grab()}, std::pair{"rendered", page.Render()}}) {
      ExpectTiles(image, QRect(3, 2, 20, 12), c.pattern, kRed, space, label + " at x=3, " + how);
      ExpectTiles(image, QRect(11, 17, 20, 12), c.pattern, kRed, space, label + " at x=11, " + how);
      ExpectTiles(image, QRect(36, 8, 20, 20), c.pattern, kRed, space, label + " in a group, " + how);
    }
  }
}

// One table for every width and style: what the outline of a 40 x 30
// rectangle filled green leaves on its pixels.
TEST(ObjectLook, OutlinesOfEveryWidthAndStyle) {
  constexpr int kW = 40;
  constexpr int kH = 30;
  const QColor blend((255 + kBlue.red()) / 2, (255 + kBlue.green()) / 2, (255 + kBlue.blue()) / 2);
  for (int width = 0; width <= 3; ++width) {
    for (int style = 0; style <= 7; ++style) {
      ObjectPage page(DocLines({"ObjectType=5", "X=4", "Y=4", "W=40", "H=30", "FillColor=$00FF00",
                                "LineColor=$FF0000", "LineWidth=" + std::to_string(width),
                                "LineStyle=" + std::to_string(style)}));
      TOrvalisObj* object = page.Object();
      ASSERT_NE(object, nullptr);
      ASSERT_EQ(static_cast<int>(object->LineStyle()), style);
      const QImage image = object->grab().toImage().convertToFormat(QImage::Format_RGB32);
      ASSERT_EQ(image.size(), QSize(kW, kH));
      const std::string label = "width " + std::to_string(width) + " style " + std::to_string(style);
      const QRect inner(width, width, kW - 2 * width, kH - 2 * width);
      auto countIn = [&](const QRect& area, const QColor& colour) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
          for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour;
        return count;
      };

      if (width == 0 || style == ovpsClear) {
        EXPECT_EQ(countIn(image.rect(), kGreen), kW * kH) << label;
        continue;
      }
      // Whatever the style, nothing of the outline lies inside its width.
      EXPECT_EQ(countIn(inner, kGreen), inner.width() * inner.height()) << label;
      switch (style) {
        case ovpsSolid:
          EXPECT_EQ(countIn(image.rect(), kBlue), kW * kH - inner.width() * inner.height()) << label;
          break;
        case ovpsRaised:
        case ovpsSunken: {
          const QColor topLeft = style == ovpsRaised ? kWhite : kBlue;
          const QColor bottomRight = style == ovpsRaised ? kBlue : kWhite;
          for (int i = 0; i < width; ++i) {
            const std::string frame = label + " frame " + std::to_string(i);
            EXPECT_EQ(At(image, kW / 2, i), Name(topLeft)) << frame << " top";
            EXPECT_EQ(At(image, i, kH / 2), Name(topLeft)) << frame << " left";
            EXPECT_EQ(At(image, i, i), Name(topLeft)) << frame << " top-left";
            EXPECT_EQ(At(image, kW / 2, kH - 1 - i), Name(bottomRight)) << frame << " bottom";
            EXPECT_EQ(At(image, kW - 1 - i, kH / 2), Name(bottomRight)) << frame << " right";
            EXPECT_EQ(At(image, kW - 1 - i, kH - 1 - i), Name(bottomRight)) << frame << " bottom-right";
            EXPECT_EQ(At(image, i, kH - 1 - i), Name(blend)) << frame << " bottom-left";
            EXPECT_EQ(At(image, kW - 1 - i, i), Name(blend)) << frame << " top-right";
          }
          break;
        }
        default: {  // the dashed styles
          int line = 0;
          for (int x = 0; x < kW; ++x) line += image.pixelColor(x, 0) == kBlue;
          EXPECT_GT(line, 0) << label;
          EXPECT_LT(line, kW) << label;
          EXPECT_EQ(countIn(inner, kBlue), 0) << label;
          break;
        }
      }
    }
  }
}

TEST(ObjectLook, FillPatternsBeyondTheTableAreIgnored) {
  for (const char* value : {"49", "100", "255", "-1"}) {
    ObjectPage page(DocLines({"ObjectType=5", "X=3", "Y=2", "W=20", "H=12", "LineWidth=0", "FillColor=$0000FF",
                              "FillPattern=10", std::string("FillPattern=") + value}));
    TOrvalisObj* object = page.Object();
    ASSERT_NE(object, nullptr) << value;
    EXPECT_EQ(object->FillPattern(), 10) << value;
    ExpectTiles(page.Grab(), QRect(3, 2, 20, 12), 10, kRed, kWhite, std::string("after ") + value);
  }
}

TEST(ObjectLook, OutlinesWiderThanTheObjectFillOnlyTheObject) {
  // Odd sizes: the middle row and column are where a too-wide outline
  // would leave a gap.
  const struct {
    int type;
    int style;
    const char* width;
  } cases[] = {
      {5, ovpsRaised, "2000000000"}, {5, ovpsSunken, "2000000000"}, {5, ovpsSolid, "2000000000"},
      {5, ovpsRaised, "2147483647"}, {22, ovpsSolid, "2147483647"},
  };
  for (const auto& c : cases) {
    ObjectPage page(DocLines({"ObjectType=" + std::to_string(c.type), "X=4", "Y=4", "W=41", "H=31",
                              "FillColor=$00FF00", "LineColor=$FF0000", std::string("LineWidth=") + c.width,
                              "LineStyle=" + std::to_string(c.style)}));
    page.Page().SetColor(kPageGreyValue);
    const std::string label = "type " + std::to_string(c.type) + " style " + std::to_string(c.style) + " width " +
                              c.width;
    const QImage image = page.Grab();
    int fill = 0;
    for (int y = 4; y < 4 + 31; ++y)
      for (int x = 4; x < 4 + 41; ++x) fill += image.pixelColor(x, y) == kGreen;
    EXPECT_EQ(fill, 0) << label;
    for (const QPoint outside : {QPoint(3, 3), QPoint(45, 20), QPoint(20, 35), QPoint(45, 35)})
      EXPECT_EQ(At(image, outside.x(), outside.y()), Name(kPageGrey)) << label << " at " << outside.x() << ','
                                                                      << outside.y();
  }
}

TEST(ObjectLook, NegativeLineWidthsDrawNoOutline) {
  for (const char* value : {"-5", "-2147483648"}) {
    ObjectPage page(DocLines({"ObjectType=5", "X=4", "Y=4", "W=20", "H=10", "FillColor=$00FF00",
                              "LineColor=$FF0000", std::string("LineWidth=") + value}));
    TOrvalisObj* object = page.Object();
    ASSERT_NE(object, nullptr) << value;
    EXPECT_EQ(object->LineWidth(), 0) << value;
    EXPECT_EQ(object->ClientArea(), object->rect()) << value;
    const QImage image = object->grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(10, 0), QPoint(0, 5), QPoint(19, 9)})
      EXPECT_EQ(At(image, p.x(), p.y()), Name(kGreen)) << value << " at " << p.x() << ',' << p.y();
  }
}

}  // namespace
}  // namespace orv
