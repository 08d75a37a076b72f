#include "script/ControlFlow.h"

#include <climits>
#include <string>

#include "base/NumberText.h"
#include "script/ActionEvaluator.h"
#include "script/ActionEvaluatorErrors.h"
#include "script/ActionEvaluatorNumbers.h"
#include "script/CommandIds.h"
#include "script/ControlFlowCompare.h"
#include "script/Engine.h"

namespace orv {

void HandleBlockKeyword(TActionEval& eval, LineKind keyword) {
  TEngineDebugger* debugger = eval.Engine().Debugger();
  auto report = [&](int code) {
    if (debugger && eval.DebugOffCount == 0) debugger->ReportLine(eval.Serial(), eval.LineText(), code);
  };
  const std::uint8_t state = eval.SkipState;
  switch (keyword) {
    case LineKind::lkElse:
      if (state == ssExecuting) {
        eval.BeginSkip(ssElsePart);
        report(dlPassed);
      } else if (state == ssIfFalse) {
        if (eval.IfDepth > 0) {
          report(dlPassed);
        } else {
          eval.SkipState = ssExecuting;
          report(dlExecuted);
        }
      } else if (state == ssElsePart) {
        report(dlPassed);
      }
      return;
    case LineKind::lkEndIf:
      if (state == ssExecuting) {
        report(dlExecuted);
      } else if (state == ssIfFalse || state == ssElsePart) {
        if (eval.IfDepth > 0) {
          --eval.IfDepth;
          report(dlPassed);
        } else {
          eval.SkipState = ssExecuting;
          report(dlExecuted);
        }
      }
      return;
    case LineKind::lkEndWhile:
      if (state == ssExecuting) {
        report(dlExecuted);
        eval.FindBlockStart("WHILE", "WHILEEX", true);
      } else if (state == ssWhileBody) {
        if (eval.WhileDepth > 0) {
          --eval.WhileDepth;
          report(dlPassed);
        } else {
          eval.SkipState = ssExecuting;
          report(dlExecuted);
        }
      }
      return;
    case LineKind::lkEndLoop:
      if (state == ssExecuting) {
        report(dlExecuted);
        if (eval.FindBlockStart("LOOP", {}, true)) eval.LoopContinue = true;
      } else if (state == ssLoopBody) {
        if (eval.LoopDepth > 0) {
          --eval.LoopDepth;
          report(dlPassed);
        } else {
          eval.SkipState = ssExecuting;
          report(dlExecuted);
        }
      }
      return;
    default: return;
  }
}

void CountSkippedOpener(TActionEval& eval, const ScriptLineRec& line) {
  switch (eval.SkipState) {
    case ssIfFalse:
    case ssElsePart:
      if (line.Opens == boIf) ++eval.IfDepth;
      return;
    case ssWhileBody:
      if (line.Opens == boWhile) ++eval.WhileDepth;
      return;
    case ssLoopBody:
      if (line.Opens == boLoop) ++eval.LoopDepth;
      return;
    default: return;
  }
}

namespace {

// The comparison of If and While; false also after an action error.
bool Condition(TActionEval& eval) {
  const auto op = ParseCompareOperator(eval.Param(2));
  if (!op) {
    eval.ActionError(ae::kBadOperator, eval.Param(2));
    return false;
  }
  return CompareOperands({eval.Param(1), eval.IsLiteral(1)}, *op, {eval.Param(3), eval.IsLiteral(3)},
                         eval.Vars().DecimalSymbol());
}

void IfBody(TActionEval& eval) {
  if (!Condition(eval) && eval.StopCode() == 0) eval.BeginSkip(ssIfFalse);
}

void WhileBody(TActionEval& eval) {
  if (!Condition(eval) && eval.StopCode() == 0) eval.BeginSkip(ssWhileBody);
}

void IfExBody(TActionEval& eval) {
  bool result = false;
  if (!EvaluateScriptCondition(eval, eval.RawParam(1), result)) return;
  if (!result) eval.BeginSkip(ssIfFalse);
}

void WhileExBody(TActionEval& eval) {
  bool result = false;
  if (!EvaluateScriptCondition(eval, eval.RawParam(1), result)) return;
  if (!result) eval.BeginSkip(ssWhileBody);
}

void LoopBody(TActionEval& eval) {
  const std::string& variable = eval.Param(3);
  TVars& vars = eval.Vars();
  const char decimal = vars.DecimalSymbol();
  if (!eval.LoopContinue) {
    if (variable.empty()) {
      eval.ActionError(ae::kLoopVariable);
      return;
    }
    vars.SetVar(variable, FormatWholeNumber(NumberParam(eval.Param(1), decimal)));
    return;
  }
  eval.LoopContinue = false;
  const std::int64_t from = NumberParam(eval.Param(1), decimal);
  const std::int64_t to = NumberParam(eval.Param(2), decimal);
  thread_local std::string current;
  vars.GetVarInto(variable, current);
  const std::int64_t value = NumberParam(current, decimal);
  // The variable is re-read every turn, so the body may move it; a value at
  // the end of the 64-bit range ends the loop instead of wrapping.
  if (from < to) {
    if (value < to)
      vars.SetVar(variable, FormatWholeNumber(value + 1));
    else
      eval.BeginSkip(ssLoopBody);
  } else {
    if (to < value)
      vars.SetVar(variable, FormatWholeNumber(value - 1));
    else
      eval.BeginSkip(ssLoopBody);
  }
}

void ExitLoopBody(TActionEval& eval) {
  if (eval.FindBlockStart("LOOP", {}, false))
    eval.BeginSkip(ssLoopBody);
  else
    eval.ActionError(ae::kExitOutsideLoop);
}

void ExitWhileBody(TActionEval& eval) {
  if (eval.FindBlockStart("WHILE", "WHILEEX", false))
    eval.BeginSkip(ssWhileBody);
  else
    eval.ActionError(ae::kExitOutsideLoop);
}

// A whole number written with an optional sign and nothing else; values
// beyond the line range are clamped.
bool ReadLineNumber(std::string_view text, int& line) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    if (value < INT_MAX) value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  line = value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : static_cast<int>(value));
  return true;
}

void GotoLineBody(TActionEval& eval) {
  const std::string& target = eval.Param(1);
  int line = 0;
  if (ReadLineNumber(target, line)) {
    eval.LineIndex = (line < 1 ? 1 : line) - 1;
    return;
  }
  if (!eval.FindLabel(target)) eval.ActionError(ae::kNoLabel);
}

void GoSubBody(TActionEval& eval) {
  const auto result = eval.Engine().GoSub(eval.Param(1), eval.Options());
  if (result == TScriptEngine::SubroutineResult::NoSuchLabel) eval.ActionError(ae::kNoSubroutine);
}

void ReturnBody(TActionEval& eval) { eval.ReturnRequested = true; }

}  // namespace

void RegisterControlFlowCommands(TCommandTable& table) {
  table.Bind(cmd::kIf, IfBody);
  table.Bind(cmd::kWhile, WhileBody);
  table.Bind(cmd::kIfEx, IfExBody);
  table.Bind(cmd::kWhileEx, WhileExBody);
  table.Bind(cmd::kLoop, LoopBody);
  table.Bind(cmd::kExitLoop, ExitLoopBody);
  table.Bind(cmd::kExitWhile, ExitWhileBody);
  table.Bind(cmd::kGotoLine, GotoLineBody);
  table.Bind(cmd::kGoSub, GoSubBody);
  table.Bind(cmd::kReturn, ReturnBody);
}

}  // namespace orv
