#include "objects/shapes/PolygonPoints.h"

#include <algorithm>
#include <cstdint>

namespace orv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int DigitValue(char c, int base) {
  int value = 99;
  if (c >= '0' && c <= '9') value = c - '0';
  else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// One field between commas: blanks around it, an optional sign, decimal
// digits or hexadecimal ones after "$" or "0x". Anything else reads as 0.
// The magnitude is held at `limit`, so long digit strings cannot overflow.
std::int64_t ReadField(std::string_view field, std::int64_t limit) {
  while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
  while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
  bool negative = false;
  if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
    negative = field.front() == '-';
    field.remove_prefix(1);
  }
  int base = 10;
  if (!field.empty() && field.front() == '$') {
    base = 16;
    field.remove_prefix(1);
  } else if (field.size() > 2 && field[0] == '0' && (field[1] == 'x' || field[1] == 'X')) {
    base = 16;
    field.remove_prefix(2);
  }
  if (field.empty()) return 0;
  std::int64_t value = 0;
  for (const char c : field) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return 0;
    value = std::min<std::int64_t>(value * base + digit, limit);
  }
  return negative ? -value : value;
}

// Walks the fields of a comma-separated text one at a time.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {}
  bool Next(std::string_view& field) {
    if (done_) return false;
    const std::size_t comma = text_.find(',', at_);
    if (comma == std::string_view::npos) {
      field = text_.substr(at_);
      done_ = true;
    } else {
      field = text_.substr(at_, comma - at_);
      at_ = comma + 1;
    }
    return true;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  bool done_ = false;
};

}  // namespace

std::vector<QPoint> ParsePolygonPoints(std::string_view text) {
  FieldReader fields(text);
  std::string_view field;
  if (!fields.Next(field)) return {};
  // One past the largest count is enough to tell a refused count.
  const std::int64_t count = ReadField(field, kMostPolygonPoints + 1);
  if (count <= 0 || count > kMostPolygonPoints) return {};
  std::vector<QPoint> points(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < points.size() * 2 && fields.Next(field); ++i) {
    const int value = static_cast<int>(ReadField(field, kLargestPolygonCoordinate));
    if (i % 2 == 0)
      points[i / 2].setX(value);
    else
      points[i / 2].setY(value);
  }
  return points;
}

std::vector<QPoint> RectanglePoints(QSize size) {
  const int w = size.width();
  const int h = size.height();
  return {QPoint(0, 0), QPoint(w, 0), QPoint(w, h), QPoint(0, h)};
}

}  // namespace orv
