#include "objects/input/TrackBarGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace orv {

namespace {

// A pixel position kept where a widget coordinate can be.
int Coordinate(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN / 4, INT_MAX / 4));
}

// How far `value` lies along the range, 0 at Minimum and 1 at Maximum.
double Fraction(const TTrackBarMetrics& m, int value) {
  return static_cast<double>(static_cast<std::int64_t>(value) - m.Minimum) / static_cast<double>(TrackBarRange(m));
}

}  // namespace

std::int64_t RoundHalfEven(double value) {
  // Beyond 2^62 nothing a bar shows is left to round.
  constexpr double kLimit = 4611686018427387904.0;
  if (std::isnan(value)) return 0;
  return static_cast<std::int64_t>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

std::int64_t TrackBarRange(const TTrackBarMetrics& m) {
  const std::int64_t range = static_cast<std::int64_t>(m.Maximum) - m.Minimum;
  return range == 0 ? 1 : range;
}

QRect TrackBarTrackRect(const TTrackBarMetrics& m) {
  const int w = m.Size.width(), h = m.Size.height();
  if (m.Orientation == slVertical) return QRect((w - m.TrackWidth) / 2, 0, m.TrackWidth, h);
  return QRect(0, (h - m.TrackHeight) / 2, w, m.TrackHeight);
}

QRect TrackBarThumbRect(const TTrackBarMetrics& m, int value) {
  const int w = m.Size.width(), h = m.Size.height();
  const double along = Fraction(m, value);
  if (m.Orientation == slVertical) {
    const int bottom = Coordinate(h - RoundHalfEven(along * (static_cast<double>(h) - m.ThumbHeight)));
    return QRect(0, bottom - m.ThumbHeight, w, m.ThumbHeight);
  }
  const int left = Coordinate(RoundHalfEven(along * (static_cast<double>(w) - m.ThumbWidth)));
  return QRect(left, 0, m.ThumbWidth, h);
}

int TrackBarValueAtEdge(const TTrackBarMetrics& m, int edge) {
  const double range = static_cast<double>(TrackBarRange(m));
  double value;
  if (m.Orientation == slVertical) {
    const double span = std::max(1, m.Size.height() - m.ThumbHeight);
    value = static_cast<double>(m.Maximum) - static_cast<double>(RoundHalfEven(edge / span * range));
  } else {
    const double span = std::max(1, m.Size.width() - m.ThumbWidth);
    value = static_cast<double>(RoundHalfEven(edge / span * range)) + m.Minimum;
  }
  return static_cast<int>(std::clamp(value, static_cast<double>(m.Minimum), static_cast<double>(m.Maximum)));
}

}  // namespace orv
