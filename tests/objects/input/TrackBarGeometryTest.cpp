// Where a track bar puts its track and thumb, and which value a dragged
// thumb edge stands for, over orientations, ranges, sizes and the 32-bit
// limits.
#include <gtest/gtest.h>

#include <climits>

#include "objects/ObjectPage.h"
#include "objects/input/TrackBar.h"
#include "objects/input/TrackBarGeometry.h"

namespace orv {
namespace {

using test::Text;

TTrackBarMetrics Bar(int orientation, int minimum, int maximum, QSize size, int thumb = 10, int track = 3) {
  TTrackBarMetrics m;
  m.Orientation = orientation;
  m.Minimum = minimum;
  m.Maximum = maximum;
  m.Size = size;
  m.ThumbWidth = m.ThumbHeight = thumb;
  m.TrackWidth = m.TrackHeight = track;
  return m;
}

TEST(TrackBarGeometry, TheThumbLiesAlongTheRangeWithTheMinimumLeftOrAtTheBottom) {
  const struct {
    const char* label;
    TTrackBarMetrics bar;
    int value;
    const char* thumb;
  } cases[] = {
      {"the middle of 0..10 on 100 pixels", Bar(slHoriz, 0, 10, {100, 20}), 5, "45,0 10x20"},
      {"minimum at the left", Bar(slHoriz, 0, 10, {100, 20}), 0, "0,0 10x20"},
      {"maximum at the right edge", Bar(slHoriz, 0, 10, {100, 20}), 10, "90,0 10x20"},
      {"a range away from zero", Bar(slHoriz, -20, -10, {100, 20}), -15, "45,0 10x20"},
      // 1 of 4 on 10 pixels is 2.5: halves go to the even neighbour.
      {"half rounds down to even", Bar(slHoriz, 0, 4, {20, 8}), 1, "2,0 10x8"},
      {"half rounds up to even", Bar(slHoriz, 0, 4, {20, 8}), 3, "8,0 10x8"},
      {"an empty range counts as one", Bar(slHoriz, 7, 7, {100, 20}), 7, "0,0 10x20"},
      {"a thumb as wide as the bar", Bar(slHoriz, 0, 10, {10, 20}), 6, "0,0 10x20"},
      {"the whole 32-bit range", Bar(slHoriz, INT_MIN, INT_MAX, {110, 20}), INT_MAX, "100,0 10x20"},
      {"the whole 32-bit range, its middle", Bar(slHoriz, INT_MIN, INT_MAX, {110, 20}), 0, "50,0 10x20"},
      {"vertical minimum at the bottom", Bar(slVertical, 0, 10, {20, 100}), 0, "0,90 20x10"},
      {"vertical maximum at the top", Bar(slVertical, 0, 10, {20, 100}), 10, "0,0 20x10"},
      {"vertical middle", Bar(slVertical, 0, 10, {20, 100}), 5, "0,45 20x10"},
      {"vertical one step up", Bar(slVertical, 0, 10, {20, 110}), 1, "0,90 20x10"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Text(TrackBarThumbRect(c.bar, c.value)), c.thumb) << c.label;
}

TEST(TrackBarGeometry, TheTrackIsCentredAcrossTheBar) {
  const struct {
    TTrackBarMetrics bar;
    const char* track;
  } cases[] = {
      {Bar(slHoriz, 0, 10, {100, 20}, 10, 4), "0,8 100x4"},
      {Bar(slHoriz, 0, 10, {100, 21}, 10, 4), "0,8 100x4"},
      {Bar(slVertical, 0, 10, {20, 100}, 10, 6), "7,0 6x100"},
      {Bar(slHoriz, 0, 10, {100, 2}, 10, 6), "0,-2 100x6"},
  };
  for (const auto& c : cases) EXPECT_EQ(Text(TrackBarTrackRect(c.bar)), c.track);
}

TEST(TrackBarGeometry, AThumbEdgeGivesTheValueItStandsFor) {
  const struct {
    const char* label;
    TTrackBarMetrics bar;
    int edge;
    int value;
  } cases[] = {
      {"a whole step", Bar(slHoriz, 0, 10, {110, 20}), 70, 7},
      {"nearest step", Bar(slHoriz, 0, 10, {110, 20}), 73, 7},
      {"half goes to even, down", Bar(slHoriz, 0, 10, {110, 20}), 45, 4},
      {"half goes to even, up", Bar(slHoriz, 0, 10, {110, 20}), 55, 6},
      {"before the start", Bar(slHoriz, 0, 10, {110, 20}), -40, 0},
      {"past the end", Bar(slHoriz, 0, 10, {110, 20}), 400, 10},
      {"offset range", Bar(slHoriz, 100, 110, {110, 20}), 30, 103},
      {"a bar no wider than its thumb", Bar(slHoriz, 0, 10, {10, 20}), 1, 10},
      {"the whole 32-bit range", Bar(slHoriz, INT_MIN, INT_MAX, {110, 20}), 100, INT_MAX},
      {"the whole 32-bit range, past its start", Bar(slHoriz, INT_MIN, INT_MAX, {110, 20}), -100, INT_MIN},
      {"vertical top is the maximum", Bar(slVertical, 0, 10, {20, 110}), 0, 10},
      {"vertical bottom is the minimum", Bar(slVertical, 0, 10, {20, 110}), 100, 0},
      {"vertical", Bar(slVertical, 0, 10, {20, 110}), 30, 7},
  };
  for (const auto& c : cases) EXPECT_EQ(TrackBarValueAtEdge(c.bar, c.edge), c.value) << c.label;
}

TEST(TrackBarGeometry, EveryValueOfARangeSurvivesTheWayThroughItsThumb) {
  for (const int orientation : {int(slHoriz), int(slVertical)}) {
    const TTrackBarMetrics bar = Bar(orientation, -3, 17, {130, 130});
    for (int value = bar.Minimum; value <= bar.Maximum; ++value) {
      const QRect thumb = TrackBarThumbRect(bar, value);
      const int edge = orientation == slVertical ? thumb.top() : thumb.left();
      EXPECT_EQ(TrackBarValueAtEdge(bar, edge), value) << orientation;
    }
  }
}

// The document's keys reach the same arithmetic.
TEST(TrackBarGeometry, TheObjectPlacesItsThumbFromItsKeys) {
  const struct {
    const char* label;
    std::string keys;
    const char* thumb;
    const char* track;
  } cases[] = {
      {"defaults", "", "0,0 10x20", "0,8 100x3"},
      {"thumb and track sizes set both sides", "ThumbSize=20\r\nTrackSize=6\r\n", "0,0 20x20", "0,7 100x6"},
      {"vertical", "Align=1\r\nMin=0\r\nMax=10\r\n", "0,10 100x10", "48,0 3x20"},
      {"an orientation of no kind is ignored", "Align=2\r\n", "0,0 10x20", "0,8 100x3"},
      {"sizes below zero are zero", "ThumbSize=-4\r\n", "0,0 0x20", "0,8 100x3"},
  };
  for (const auto& c : cases) {
    test::ObjectPage page("ObjectType=16\r\nX=0\r\nY=0\r\nW=100\r\nH=20\r\n" + c.keys);
    auto* bar = page.As<TOrvalisTrackBar>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Text(bar->ThumbRect()), c.thumb) << c.label;
    EXPECT_EQ(Text(bar->TrackRect()), c.track) << c.label;
  }
}

}  // namespace
}  // namespace orv
