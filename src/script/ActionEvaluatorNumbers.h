#pragma once
// Where the evaluator meets the expression evaluator: arithmetic in
// "Number" and "Mixed" parameters, the conditions of IfEx and WhileEx, and
// the Math command.
#include <string>
#include <string_view>

#include "script/CommandDispatch.h"

namespace orv {

class TActionEval;
class TVars;

// `text` is a substituted parameter that is neither literal nor a plain
// number: it becomes the expression's value ("Error" after a math error)
// when it parses as an expression, and stays as it is otherwise.
void EvaluateNumberText(std::string& text, bool currencyMode, TVars& vars);

// The condition of IfEx / WhileEx, written as in the line. False when the
// condition is malformed (the action error is raised).
bool EvaluateScriptCondition(TActionEval& eval, std::string_view condition, bool& result);

// Math (26).
void RegisterExpressionCommands(TCommandTable& table);

}  // namespace orv
