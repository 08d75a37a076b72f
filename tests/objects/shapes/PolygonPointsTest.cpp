// Reading a polygon's "POINTS=" text: well-formed lists, the malformed ones
// documents and scripts may hold, and counts and coordinates that must not
// be taken as they stand.
#include <gtest/gtest.h>

#include <QPoint>
#include <string>
#include <vector>

#include "objects/shapes/PolygonPoints.h"

namespace orv {
namespace {

std::string Text(const std::vector<QPoint>& points) {
  std::string text;
  for (const QPoint& p : points) {
    if (!text.empty()) text += " ";
    text += std::to_string(p.x()) + "," + std::to_string(p.y());
  }
  return text;
}

TEST(PolygonPoints, TextsGiveTheirPoints) {
  const struct {
    const char* text;
    const char* points;
  } cases[] = {
      {"3,0,0,40,0,20,30", "0,0 40,0 20,30"},
      {"1,-5,7", "-5,7"},
      // More numbers than the count asks for are not read.
      {"2,1,2,3,4,5,6", "1,2 3,4"},
      // Missing numbers stay 0.
      {"3,10,10", "10,10 0,0 0,0"},
      {"2", "0,0 0,0"},
      // A field that is no number reads as 0; the rest still count.
      {"3,x,5,,7,1.5,9", "0,5 0,7 0,9"},
      {"2,12abc,3, 4 ,+6", "0,3 4,6"},
      {"2,$10,0x20,-$8,7", "16,32 -8,7"},
      // Coordinates are held within 32767 either way.
      {"2,40000,-40000,99999999999999999999,-7", "32767,-32767 32767,-7"},
      // A count of nothing, none or less gives no points.
      {"0,1,2", ""},
      {"-3,1,2,3,4,5,6", ""},
      {"", ""},
      {"three,1,2", ""},
      {",1,2", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Text(ParsePolygonPoints(c.text)), c.points) << c.text;
}

TEST(PolygonPoints, ACountBeyondTheLimitIsRefusedWhole) {
  EXPECT_EQ(ParsePolygonPoints("65536,1,2").size(), 65536u);
  for (const char* text : {"65537,1,2", "2147483647,1,2", "4294967296,1,2", "99999999999999999999999,1,2"})
    EXPECT_TRUE(ParsePolygonPoints(text).empty()) << text;
}

TEST(PolygonPoints, ARectangleRunsRoundFromTheOrigin) {
  EXPECT_EQ(Text(RectanglePoints(QSize(30, 20))), "0,0 30,0 30,20 0,20");
}

}  // namespace
}  // namespace orv
