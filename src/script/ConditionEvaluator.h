#pragma once
// The condition language of `IfEx` and `WhileEx`: comparisons joined by AND
// and OR (any case), strictly left to right, with parenthesised groups, e.g.
//   ([a] = 1 OR [b] = 1) AND [name] = [#34]John Smith[#34]
#include <functional>
#include <string>
#include <string_view>

#include "script/NumberFormatSettings.h"

namespace orv {

// Action errors of a malformed condition.
inline constexpr int kConditionInvalidOperator = -15;  // data: the operator or connector text
inline constexpr int kConditionMissingOperator = -16;
inline constexpr int kConditionMalformed = -17;

struct ConditionResult {
  bool value = false;  // false whenever `error` is set
  int error = 0;       // 0 or one of the codes above
  std::string data;    // the text the error message names
};

// Substitutes the variables in an operand (the store's SubstituteVars with no
// options); called only for operands that contain "[".
using SubstituteVariables = std::function<std::string(std::string_view)>;

// Each operand is prepared like a "Mixed" parameter (substitution, the "!"
// rule, arithmetic) and compared as `If` compares, numerically also when an
// operand is literal. "[#34]" in the raw text stands for a double quote.
ConditionResult EvaluateCondition(std::string_view text, const SubstituteVariables& substitute,
                                  const NumberSettings& settings);

}  // namespace orv
