#pragma once
// The body of `Math expression decimals variable`. The evaluator prepares the
// parameters (the expression as "Number" without evaluation, an empty value
// counting as "0"; `decimals` as "Number" with evaluation), clears
// "[LastError]" and afterwards assigns `value` to the variable and raises
// `actionError` when it is not 0.
#include <string>
#include <string_view>

#include "script/NumberFormatSettings.h"

namespace orv {

// Action error of a malformed expression written without variables.
inline constexpr int kMathSyntaxActionError = -10;

struct MathCommandResult {
  std::string value;    // the formatted result, or "Error"
  int actionError = 0;  // 0 or kMathSyntaxActionError
};

// `rawExpression` is the parameter as written: an expression built from
// variables that turns out malformed only stores "Error", since the script
// author could not see the text that failed.
MathCommandResult EvaluateMathCommand(std::string_view rawExpression, std::string_view preparedExpression,
                                      std::string_view preparedDecimals, const NumberSettings& settings);

}  // namespace orv
