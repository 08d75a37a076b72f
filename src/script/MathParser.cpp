#include "script/MathParser.h"

#include <cstdint>

#include "script/MathOperations.h"
#include "script/MathParserTables.h"
#include "script/MathRounding.h"
#include "script/MathTextPreparation.h"
#include "script/MathTokenizer.h"
#include "script/MathWholeExpression.h"
#include "script/NumberFormat.h"

namespace orv {
namespace {

// The start entry and nineteen more; needing another is a syntax error, which
// bounds the nesting of parentheses.
constexpr int kStackSize = 20;

// Left uninitialised: entries are written when pushed.
struct StackEntry {
  std::uint8_t state;
  MathFunction function;
  long double value;
};

// The value of the left-hand side; `rhs` points at the production's first
// right-hand entry.
long double Reduce(int production, const StackEntry* rhs, bool& mathError) {
  switch (production) {
    case 1: return MathSum(rhs[0].value, rhs[2].value);
    case 2: return MathDifference(rhs[0].value, rhs[2].value);
    case 4: return MathProduct(rhs[0].value, rhs[2].value);
    case 5: return MathQuotient(rhs[0].value, rhs[2].value, mathError);
    case 32: return MathModulo(rhs[0].value, rhs[2].value, mathError);
    case 7: return MathPower(rhs[0].value, rhs[2].value);
    case 9: return MathNegation(rhs[1].value);
    case 14: return rhs[1].value;
    case 16: return ApplyMathFunction(rhs[0].function, rhs[2].value, mathError);
    default: return rhs[0].value;  // unit productions pass their value on
  }
}

}  // namespace

MathOutcome ParseMath(std::string_view prepared, long double& value) {
  StackEntry stack[kStackSize];
  stack[0] = {0, MathFunction::kNone, 0};
  int top = 0;
  bool mathError = false;
  MathTokenizer tokens(prepared);
  MathTokenValue token = tokens.Next();
  while (true) {
    const MathParseAction action = MathParseActionFor(stack[top].state, token.token);
    switch (action.step) {
      case MathParseStep::kShift:
        if (top + 1 >= kStackSize) return MathOutcome::kSyntaxError;
        ++top;
        stack[top].state = action.target;
        stack[top].function = token.function;
        stack[top].value = token.number;
        if (token.unconvertible) mathError = true;
        token = tokens.Next();
        break;
      case MathParseStep::kReduce: {
        const int production = action.target;
        const int length = MathProductionLength(production);
        const long double result = Reduce(production, &stack[top - length + 1], mathError);
        top -= length;
        const int next = MathGotoState(production, stack[top].state);
        if (next < 0) return MathOutcome::kSyntaxError;
        ++top;
        stack[top].state = static_cast<std::uint8_t>(next);
        stack[top].function = MathFunction::kNone;
        stack[top].value = result;
        break;
      }
      case MathParseStep::kAccept:
        value = stack[top].value;
        return mathError ? MathOutcome::kMathError : MathOutcome::kValue;
      case MathParseStep::kError:
        return MathOutcome::kSyntaxError;
    }
  }
}

int EvaluateMath(std::string_view text, int decimals, bool currencyMode, const NumberSettings& settings,
                 std::string& result) {
  // Whole-number sums and products, the bulk of script arithmetic, skip the
  // preparation copy, the table-driven parser and the digit scaling.
  if (std::int64_t whole = 0; !currencyMode && EvaluateWholeExpression(text, settings.decimalSymbol, whole)) {
    result.clear();
    AppendFormattedWhole(whole, decimals, settings.decimalSymbol, result);
    return kMathOk;
  }
  thread_local std::string prepared;
  PrepareMathText(text, currencyMode, settings, prepared);
  RoundToNearestGuard nearest;
  long double value = 0;
  const MathOutcome outcome = ParseMath(prepared, value);
  result.clear();
  switch (outcome) {
    case MathOutcome::kValue:
      AppendFormattedNumber(value, decimals, settings.decimalSymbol, result);
      return kMathOk;
    case MathOutcome::kMathError:
      result = kMathErrorText;
      return kMathOk;
    case MathOutcome::kSyntaxError:
      break;
  }
  result = kMathErrorText;
  return kMathSyntaxError;
}

MathResult EvaluateMath(std::string_view text, int decimals, bool currencyMode, const NumberSettings& settings) {
  MathResult r;
  r.status = EvaluateMath(text, decimals, currencyMode, settings, r.text);
  return r;
}

}  // namespace orv
