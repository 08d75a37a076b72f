#include "script/MathOperations.h"

#include <cmath>
#include <limits>

#include "script/MathRounding.h"

namespace orv {
namespace {

constexpr long double kTwoTo63 = 9223372036854775808.0L;
constexpr long double kMaxWholeExponent = 2147483647.0L;

long double R(long double value) { return RoundToDoublePrecision(value); }

long double WholePower(long double base, std::uint32_t exponent, bool negative) {
  long double result = 1;
  long double square = base;
  while (true) {
    if (exponent & 1u) result = R(result * square);
    exponent >>= 1;
    if (exponent == 0) break;
    square = R(square * square);
  }
  if (!negative) return result;
  if (result == 0) return std::copysign(std::numeric_limits<long double>::infinity(), result);
  return R(1 / result);
}

}  // namespace

std::int64_t MathToInt64(long double wholeValue) {
  if (std::isnan(wholeValue) || wholeValue >= kTwoTo63 || wholeValue < -kTwoTo63)
    return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(wholeValue);
}

long double MathSum(long double a, long double b) { return R(a + b); }
long double MathDifference(long double a, long double b) { return R(a - b); }
long double MathProduct(long double a, long double b) { return R(a * b); }
long double MathNegation(long double a) { return -a; }

long double MathQuotient(long double a, long double b, bool& mathError) {
  if (b == 0) {
    mathError = true;
    return 0;
  }
  return R(a / b);
}

long double MathModulo(long double a, long double b, bool& mathError) {
  const std::int64_t left = MathToInt64(std::trunc(a));
  const std::int64_t right = MathToInt64(std::trunc(b));
  if (right == 0) {
    mathError = true;
    return 0;
  }
  // The lowest integer divided by -1 does not fit; its remainder is 0.
  if (right == -1) return 0;
  return R(static_cast<long double>(left % right));
}

long double MathPower(long double base, long double exponent) {
  if (exponent == 0) return 1;
  if (base == 0 && exponent > 0) return 0;
  if (std::fabs(exponent) <= kMaxWholeExponent && exponent == std::trunc(exponent)) {
    const auto whole = static_cast<std::int64_t>(exponent);
    return WholePower(base, static_cast<std::uint32_t>(whole < 0 ? -whole : whole), whole < 0);
  }
  return R(std::exp(R(exponent * R(std::log(base)))));
}

long double ApplyMathFunction(MathFunction function, long double x, bool& mathError) {
  switch (function) {
    case MathFunction::kAbs: return std::fabs(x);
    case MathFunction::kAtan: return R(std::atan(x));
    case MathFunction::kCos: return std::fabs(x) >= kTwoTo63 ? 0 : R(std::cos(x));
    case MathFunction::kExp: return R(std::exp(x));
    case MathFunction::kLn:
      if (!(x > 0)) {
        mathError = true;
        return 0;
      }
      return R(std::log(x));
    case MathFunction::kRound: return R(static_cast<long double>(MathToInt64(std::nearbyint(x))));
    case MathFunction::kSin: return std::fabs(x) >= kTwoTo63 ? 0 : R(std::sin(x));
    case MathFunction::kSqrt:
      if (x < 0) {
        mathError = true;
        return 0;
      }
      return R(std::sqrt(x));
    case MathFunction::kSqr: return R(x * x);
    case MathFunction::kTrunc: return R(static_cast<long double>(MathToInt64(std::trunc(x))));
    case MathFunction::kFrac: return R(x - std::trunc(x));
    case MathFunction::kNone: break;
  }
  return x;
}

}  // namespace orv
