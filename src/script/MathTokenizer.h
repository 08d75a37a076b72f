#pragma once
// Splits a prepared (upper-cased, "." as decimal point) math text into
// tokens, one at a time.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orv {

enum class MathToken : std::uint8_t {
  kPlus = 0,
  kMinus = 1,
  kTimes = 2,
  kDivide = 3,
  kPower = 4,
  kOpen = 5,
  kClose = 6,
  kNumber = 7,
  kFunction = 9,
  kEnd = 10,
  kBad = 11,
  kModulo = 12,
};
inline constexpr int kMathTokenCodes = 13;

// Function numbers in the order their names are tried: "SQRT" comes before
// "SQR" so that the longer name wins.
enum class MathFunction : std::uint8_t {
  kNone = 0,
  kAbs,
  kAtan,
  kCos,
  kExp,
  kLn,
  kRound,
  kSin,
  kSqrt,
  kSqr,
  kTrunc,
  kFrac,
};

struct MathTokenValue {
  MathToken token = MathToken::kEnd;
  MathFunction function = MathFunction::kNone;
  long double number = 0;
  // A number whose text does not convert (beyond the extended range).
  bool unconvertible = false;
};

class MathTokenizer {
 public:
  explicit MathTokenizer(std::string_view text) : text_(text) {}
  MathTokenValue Next();

 private:
  MathTokenValue ReadNumberToken();
  MathTokenValue ReadFunctionToken();

  std::string_view text_;
  std::size_t pos_ = 0;
};

// The value of a decimal number given as its digits (without leading zeros
// needed), the count of those digits that follow the decimal point, and the
// written exponent, read at extended precision and correctly rounded. False
// when it lies beyond the extended range.
bool ConvertMathNumber(std::string_view digits, std::size_t fractionDigits, int exponent, long double& value);

}  // namespace orv
