#pragma once
// Where a track bar's track and thumb lie for a value, and which value a
// thumb edge stands for: the arithmetic of the bar's pixels, apart from
// the widget so it can be checked case by case.
#include <QRect>
#include <QSize>
#include <cstdint>

namespace orv {

enum TTrackBarOrientation : std::uint8_t { slHoriz = 0, slVertical = 1 };

struct TTrackBarMetrics {
  int Orientation = slHoriz;
  int Minimum = 0;
  int Maximum = 100;  // never below Minimum
  QSize Size;
  int ThumbWidth = 10;
  int ThumbHeight = 10;
  int TrackWidth = 3;
  int TrackHeight = 3;
};

// Halves go to the even neighbour, as the bar's arithmetic has always done.
std::int64_t RoundHalfEven(double value);

// Maximum - Minimum, or 1 when they are equal (64-bit: the full int range
// does not fit in an int).
std::int64_t TrackBarRange(const TTrackBarMetrics& m);

// Horizontal: full width, TrackHeight high, centred vertically. Vertical:
// TrackWidth wide, full height, centred horizontally.
QRect TrackBarTrackRect(const TTrackBarMetrics& m);

// Horizontal: ThumbWidth wide and full height, placed along the width left
// of the thumb. Vertical: full width and ThumbHeight high, the minimum at
// the bottom.
QRect TrackBarThumbRect(const TTrackBarMetrics& m, int value);

// The value whose thumb has its left (horizontal) or top (vertical) edge at
// `edge`, clamped to Minimum .. Maximum.
int TrackBarValueAtEdge(const TTrackBarMetrics& m, int edge);

}  // namespace orv
