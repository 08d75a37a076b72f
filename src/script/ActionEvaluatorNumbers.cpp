#include "script/ActionEvaluatorNumbers.h"

#include "script/ActionEvaluator.h"
#include "script/CommandIds.h"
#include "script/ConditionEvaluator.h"
#include "script/MathCommand.h"
#include "script/MathParser.h"
#include "script/ParamTypes.h"

namespace orv {
namespace {

// The locale's separators are read once; the decimal symbol is the
// publication's and may change at any time.
const NumberSettings& SettingsFor(const TVars& vars) {
  thread_local NumberSettings settings = NumberSettingsFromLocale();
  settings.decimalSymbol = vars.DecimalSymbol();
  return settings;
}

void MathBody(TActionEval& eval) {
  const std::string_view raw = eval.RawParam(1);
  const std::string& expression = eval.PrepareParam(1, ptNumber, false, false);
  const std::string& decimals = eval.PrepareParam(2, ptNumber);
  const std::string& variable = eval.PrepareParam(3, ptVariable);
  TVars& vars = eval.Vars();
  vars.ClearLastError();
  const MathCommandResult result = EvaluateMathCommand(raw, expression, decimals, SettingsFor(vars));
  vars.SetVar(variable, result.value);
  if (result.actionError != 0) eval.ActionError(result.actionError);
}

}  // namespace

void EvaluateNumberText(std::string& text, bool currencyMode, TVars& vars) {
  thread_local std::string result;
  if (EvaluateMath(text, kGeneralFormat, currencyMode, SettingsFor(vars), result) == kMathOk) text.assign(result);
}

bool EvaluateScriptCondition(TActionEval& eval, std::string_view condition, bool& result) {
  TVars& vars = eval.Vars();
  const ConditionResult outcome = EvaluateCondition(
      condition, [&vars](std::string_view operand) { return vars.SubstituteVars(operand); }, SettingsFor(vars));
  if (outcome.error != 0) {
    eval.ActionError(outcome.error, outcome.data);
    return false;
  }
  result = outcome.value;
  return true;
}

void RegisterExpressionCommands(TCommandTable& table) { table.Bind(cmd::kMath, MathBody); }

}  // namespace orv
