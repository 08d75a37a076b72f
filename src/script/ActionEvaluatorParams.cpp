// Parameter preparation by type: substitution, the "!" rule, arithmetic for
// numbers, package names for files.
#include "base/Ansi.h"
#include "base/PathNames.h"
#include "container/LibRec.h"  // kEmbeddedPrefix
#include "script/ActionEvaluator.h"
#include "script/ActionEvaluatorNumbers.h"
#include "script/Engine.h"
#include "script/ParamTypes.h"
#include "script/ScriptLines.h"

namespace orv {
namespace {


bool StripLiteralMark(std::string& text) {
  if (text.empty() || text.front() != '!') return false;
  text.erase(0, 1);
  return true;
}

// "C:..." or "\\server...": a name that says where it lives.
bool HasDrivePart(std::string_view name) {
  return (name.size() >= 2 && name[1] == ':') || name.substr(0, 2) == "\\\\";
}

}  // namespace

bool TActionEval::PrepareParameter(std::string_view text, std::uint8_t type, bool currencyMode, bool evaluate,
                                   std::string& out) {
  return PrepareParameter(text, text.find('[') != std::string_view::npos, type, currencyMode, evaluate, out);
}

bool TActionEval::PrepareParameter(std::string_view text, bool hasReference, std::uint8_t type, bool currencyMode,
                                   bool evaluate, std::string& out) {
  const bool fileType = type == ptFileName || type == ptDataFile || type == ptFileName2;
  if (!hasReference) {
    out.assign(text);
  } else if (fileType) {
    vars_.SubstituteVarsInto(TrimBlanks(text), out);
    if (AnsiStartsWithText(out, kEmbeddedPrefix)) Host().MapEmbeddedTestName(out);
  } else {
    vars_.SubstituteVarsInto(text, out, type == ptNumber, type == ptVariable);
  }

  bool literal = false;
  switch (type) {
    case ptText:
    case ptShownText: literal = StripLiteralMark(out); break;
    case ptNumber:
    case ptMixed:
      literal = StripLiteralMark(out);
      if (evaluate && !literal && out.size() > 1 && !IsPlainNumber(out, vars_.DecimalSymbol()))
        EvaluateNumberText(out, currencyMode, vars_);
      break;
    case ptFileName:
    case ptFileName2:
      literal = StripLiteralMark(out);
      if (!out.empty() && !hasReference && !literal && !HasDrivePart(out)) {
        std::string entry;
        if (Host().ResolveEntryName(out, entry)) out = std::move(entry);
      }
      break;
    case ptDataFile:
      literal = StripLiteralMark(out);
      if (!hasReference && !literal) {
        const std::string_view name = ExtractFileName(out);
        if (name.size() != out.size()) out.erase(0, out.size() - name.size());
      }
      break;
    default: break;
  }
  return literal;
}

}  // namespace orv
