#include "script/ActionEvaluatorNumbers.h"

#include "base/Messages.h"
#include "script/ActionEvaluator.h"

namespace orv {

void EvaluateNumberText(std::string& /*text*/, bool /*currencyMode*/, TVars& /*vars*/) {
  // Without the expression evaluator a text that is not a plain number is
  // kept as written.
}

bool EvaluateScriptCondition(TActionEval& eval, std::string_view /*condition*/, bool& result) {
  // Without the expression evaluator the block is skipped rather than run
  // on a condition nobody checked.
  eval.Vars().SetLastError(Message(msg::kNotOnThisPlatform));
  result = false;
  return true;
}

void RegisterExpressionCommands(TCommandTable& /*table*/) {}

}  // namespace orv
