#include "base/Ansi.h"
#include "base/NumberText.h"
#include "commands/strings/StringCommands.h"
#include "commands/strings/StringEditing.h"
#include "script/ActionEvaluator.h"
#include "script/CommandIds.h"

namespace orv {
namespace {

std::int64_t Number(TActionEval& eval, int n) { return NumberParam(eval.Param(n), eval.Vars().DecimalSymbol()); }

void StrInsBody(TActionEval& eval) {
  eval.Vars().SetVar(eval.Param(4), InsertText(eval.Param(1), eval.Param(2), Number(eval, 3)));
}

void StrDelBody(TActionEval& eval) {
  eval.Vars().SetVar(eval.Param(4), DeleteText(eval.Param(1), Number(eval, 2), Number(eval, 3)));
}

void StrLenBody(TActionEval& eval) {
  eval.Vars().SetVar(eval.Param(2), FormatWholeNumber(static_cast<std::int64_t>(eval.Param(1).size())));
}

void SubStrBody(TActionEval& eval) {
  eval.Vars().SetVar(eval.Param(4), SubText(eval.Param(1), Number(eval, 2), Number(eval, 3)));
}

void SearchStrBody(TActionEval& eval) {
  std::int64_t at;
  if (HasOptionWord(eval.Param(4), "CaseSensitive")) {
    at = SearchText(eval.Param(1), eval.Param(2), false);
  } else {
    // A text written with "!" keeps its case; the other is upper-cased.
    const std::string find = eval.IsLiteral(1) ? eval.Param(1) : AnsiUpperCase(eval.Param(1));
    const std::string text = eval.IsLiteral(2) ? eval.Param(2) : AnsiUpperCase(eval.Param(2));
    at = SearchText(find, text, false);
  }
  eval.Vars().SetVar(eval.Param(3), FormatWholeNumber(at));
}

void StrUpperBody(TActionEval& eval) { eval.Vars().SetVar(eval.Param(2), AnsiUpperCase(eval.Param(1))); }
void StrLowerBody(TActionEval& eval) { eval.Vars().SetVar(eval.Param(2), AnsiLowerCase(eval.Param(1))); }

void StrReplaceBody(TActionEval& eval) {
  const bool ignoreCase = !eval.IsLiteral(2) && !HasOptionWord(eval.Param(5), "CaseSensitive");
  eval.Vars().SetVar(eval.Param(4), ReplaceText(eval.Param(1), eval.Param(2), eval.Param(3), ignoreCase));
}

void StrParseBody(TActionEval& eval) {
  const std::vector<std::string> pieces = ParseText(eval.Param(1), eval.Param(2));
  const std::string& array = eval.Param(3);
  for (std::size_t k = 0; k < pieces.size(); ++k)
    eval.Vars().SetVar(array + FormatWholeNumber(static_cast<std::int64_t>(k + 1)), pieces[k]);
  eval.Vars().SetVar(eval.Param(4), FormatWholeNumber(static_cast<std::int64_t>(pieces.size())));
}

}  // namespace

void RegisterStringCommands(TCommandTable& table) {
  table.Bind(cmd::kStrIns, StrInsBody);
  table.Bind(cmd::kStrDel, StrDelBody);
  table.Bind(cmd::kStrLen, StrLenBody);
  table.Bind(cmd::kSubStr, SubStrBody);
  table.Bind(cmd::kSearchStr, SearchStrBody);
  table.Bind(cmd::kStrUpper, StrUpperBody);
  table.Bind(cmd::kStrLower, StrLowerBody);
  table.Bind(cmd::kStrReplace, StrReplaceBody);
  table.Bind(cmd::kStrParse, StrParseBody);
}

}  // namespace orv
