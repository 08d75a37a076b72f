#pragma once
// Math expressions of scripts: "+ - * / ^ &", parentheses, unary minus and
// the functions ABS ATAN COS EXP LN ROUND SIN SQRT SQR TRUNC FRAC, on decimal
// numbers. Used by the Math command and by every number parameter that is
// not a plain number.
#include <string>
#include <string_view>

#include "script/NumberFormat.h"
#include "script/NumberFormatSettings.h"

namespace orv {

// Status of EvaluateMath. A math error (division by zero, "LN" of 0, ...)
// gives the text "Error" with kMathOk; a malformed expression gives "Error"
// with kMathSyntaxError.
inline constexpr int kMathOk = 0;
inline constexpr int kMathSyntaxError = 1;
inline constexpr std::string_view kMathErrorText = "Error";

struct MathResult {
  std::string text;
  int status = kMathOk;
};

// `decimals` below 0 writes the general format, otherwise the fixed format
// with that many decimals (at most 18). `currencyMode` first strips currency
// signs, the locale's currency text and thousands separators.
MathResult EvaluateMath(std::string_view text, int decimals, bool currencyMode, const NumberSettings& settings);
// The same into `result`, reusing its capacity: no allocation for short
// results once the thread has evaluated a few expressions.
int EvaluateMath(std::string_view text, int decimals, bool currencyMode, const NumberSettings& settings,
                 std::string& result);

enum class MathOutcome { kValue, kMathError, kSyntaxError };
// Parses an already prepared text (upper case, "." as decimal point) and
// gives its value at the precision the engine computes with.
MathOutcome ParseMath(std::string_view prepared, long double& value);

}  // namespace orv
