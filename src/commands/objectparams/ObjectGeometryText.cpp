#include "commands/objectparams/ObjectGeometryText.h"

#include <algorithm>

#include "base/NumberText.h"

namespace orv {

int ReadCoordinate(std::string_view text, char decimalSymbol) {
  const std::int64_t value = NumberParam(text, decimalSymbol, 0);
  return static_cast<int>(std::clamp<std::int64_t>(value, -kLargestCoordinate, kLargestCoordinate));
}

int ReadObjectSize(std::string_view text, char decimalSymbol) {
  const std::int64_t value = NumberParam(text, decimalSymbol, 0);
  if (value == -1) return -1;  // keep the current size
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, kLargestCoordinate));
}

}  // namespace orv
