// Cutting polygons to a rectangle: inside it the cut polygon covers what
// the whole one covers, under either fill rule, whatever the polygon's
// shape; outside it nothing.
#include <gtest/gtest.h>

#include <QPainterPath>
#include <QPolygonF>
#include <string>

#include "objects/shapes/PolygonClip.h"

namespace orv {
namespace {

QPainterPath Filled(const QPolygonF& polygon, Qt::FillRule rule) {
  QPainterPath path;
  path.setFillRule(rule);
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

TEST(PolygonClip, InsideTheRectangleTheCutPolygonCoversTheSamePoints) {
  const QRectF rect(10, 10, 40, 30);
  const struct {
    const char* label;
    QPolygonF polygon;
  } cases[] = {
      {"triangle across the edge", QPolygonF({{0, 0}, {60, 20}, {20, 60}})},
      {"inside", QPolygonF({{15, 15}, {40, 15}, {30, 35}})},
      {"around it", QPolygonF({{-100, -100}, {100, -100}, {100, 100}, {-100, 100}})},
      {"beside it", QPolygonF({{70, 0}, {90, 0}, {80, 30}})},
      {"self-crossing star", QPolygonF({{30, -20}, {45, 70}, {-10, 5}, {70, 5}, {15, 70}})},
      {"zigzag far beyond", QPolygonF({{0, -30000}, {5, 30000}, {10, -30000}, {15, 30000}, {20, -30000},
                                       {25, 30000}, {60, -30000}})},
      {"one edge through", QPolygonF({{-50, 20}, {100, 25}, {100, 26}})},
  };
  for (const auto& c : cases) {
    const QPolygonF clipped = ClipPolygonToRect(c.polygon, rect);
    for (const Qt::FillRule rule : {Qt::OddEvenFill, Qt::WindingFill}) {
      const QPainterPath whole = Filled(c.polygon, rule);
      const QPainterPath cut = Filled(clipped, rule);
      int wrong = 0;
      std::string first;
      // Points on a grid that never meets an edge or the border exactly.
      for (double y = rect.top() + 0.37; y < rect.bottom(); y += 1.13)
        for (double x = rect.left() + 0.29; x < rect.right(); x += 1.07)
          if (whole.contains(QPointF(x, y)) != cut.contains(QPointF(x, y)) && wrong++ == 0)
            first = std::to_string(x) + "," + std::to_string(y);
      EXPECT_EQ(wrong, 0) << c.label << (rule == Qt::OddEvenFill ? ", odd-even" : ", winding") << " first at "
                          << first;
    }
    for (const QPointF& point : clipped) EXPECT_TRUE(rect.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(point))
        << c.label;
  }
}

}  // namespace
}  // namespace orv
