#include "commands/media/MoverPath.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "base/NumberText.h"
#include "base/PageCoordinates.h"
#include "script/ScriptLines.h"

namespace orv {

namespace {

constexpr int kDefaultDelayMs = 15;

int ReadPathNumber(std::string part, char decimalSymbol, const PathPartEvaluator& evaluate) {
  if (evaluate && !IsPlainNumber(part, decimalSymbol)) evaluate(part);
  const std::optional<std::int64_t> value = ReadWholeNumber(part, decimalSymbol);
  if (!value) return 0;
  return static_cast<int>(std::clamp<std::int64_t>(*value, -kLargestCoordinate, kLargestCoordinate));
}

}  // namespace

std::vector<QPoint> ReadMoverPath(std::string_view text, char decimalSymbol, const PathPartEvaluator& evaluate) {
  std::vector<int> numbers;
  if (!text.empty()) {
    std::size_t from = 0;
    while (true) {
      const std::size_t comma = text.find(',', from);
      const std::string_view part = text.substr(from, comma == std::string_view::npos ? text.npos : comma - from);
      numbers.push_back(ReadPathNumber(std::string(part), decimalSymbol, evaluate));
      if (comma == std::string_view::npos) break;
      from = comma + 1;
    }
  }
  std::vector<QPoint> path;
  path.reserve(numbers.size() / 2);
  for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) path.emplace_back(numbers[i], numbers[i + 1]);
  return path;
}

int ReadMoverDelay(std::string_view text, char decimalSymbol) {
  const std::optional<std::int64_t> value = ReadWholeNumber(text, decimalSymbol);
  if (!value) return kDefaultDelayMs;
  // -(2^63) has no positive counterpart.
  const std::int64_t magnitude =
      *value == std::numeric_limits<std::int64_t>::min() ? std::numeric_limits<std::int64_t>::max()
                                                          : (*value < 0 ? -*value : *value);
  return static_cast<int>(std::min<std::int64_t>(magnitude, std::numeric_limits<int>::max()));
}

}  // namespace orv
