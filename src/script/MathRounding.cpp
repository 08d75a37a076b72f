#include "script/MathRounding.h"

#include <cfloat>
#include <cmath>

namespace orv {

long double RoundToDoublePrecision(long double value) {
  // Inside the normal double range a conversion to double is exactly the
  // 53-bit rounding. DBL_MIN itself is excluded: a value just below it may
  // have been rounded on the coarser subnormal grid.
  const double narrow = static_cast<double>(value);
  const double magnitude = std::fabs(narrow);
  if (magnitude > DBL_MIN && magnitude <= DBL_MAX) return narrow;
  if (value == 0 || std::isnan(value) || std::isinf(value)) return value;
  // Outside it, round the mantissa alone and keep the extended exponent.
  int exponent = 0;
  const long double mantissa = std::frexp(value, &exponent);  // 0.5 <= |m| < 1
  return std::ldexp(static_cast<long double>(static_cast<double>(mantissa)), exponent);
}

}  // namespace orv
