#include "ScriptCheck.h"

#include <algorithm>

#include "base/Messages.h"
#include "base/NumberText.h"
#include "base/TextForms.h"
#include "script/CommandIds.h"

namespace orv {
namespace {

enum class Block { If, While, Loop };

const char* BlockName(Block b) {
  switch (b) {
    case Block::If: return "If";
    case Block::While: return "While";
    case Block::Loop: return "Loop";
  }
  return "";
}

bool IsBuiltIn(const ScriptLineRec& rec, int id) {
  return rec.Action && rec.Group && rec.Group->Kind == agkBuiltIn && rec.Action->Id == id;
}

// A GotoLine target that is a fixed label (no variable, not a line number).
bool IsFixedLabel(std::string_view target) {
  if (target.find('[') != std::string_view::npos || target.empty() || target.front() == '!') return false;
  return !ReadWholeNumber(target, '.').has_value();
}

}  // namespace

std::vector<ScriptFault> CheckScript(const TCompiledScript& script) {
  std::vector<ScriptFault> faults;
  std::vector<std::pair<Block, int>> open;  // innermost last
  auto closeBlock = [&](Block kind, int line, const char* keyword) {
    // The nearest open block of this kind closes; blocks of other kinds
    // opened inside it are left open, as the evaluator leaves them.
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
      if (it->first != kind) continue;
      open.erase(std::next(it).base());
      return;
    }
    faults.push_back({line, std::string(keyword) + " without " + BlockName(kind)});
  };
  for (int n = 1; n <= script.LineCount(); ++n) {
    const ScriptLineRec& rec = script.Line(n);
    switch (rec.Kind) {
      case LineKind::lkElse:
        if (std::none_of(open.begin(), open.end(), [](const auto& b) { return b.first == Block::If; }))
          faults.push_back({n, "Else without If"});
        continue;
      case LineKind::lkEndIf: closeBlock(Block::If, n, "EndIf"); continue;
      case LineKind::lkEndWhile: closeBlock(Block::While, n, "EndWhile"); continue;
      case LineKind::lkEndLoop: closeBlock(Block::Loop, n, "EndLoop"); continue;
      case LineKind::lkCommand: break;
      default: continue;
    }
    if (!rec.Action) {
      faults.push_back({n, std::string(Message(msg::kUnknownCommand)) + " (" + std::string(rec.Text) + ")"});
      continue;
    }
    if (!rec.QuotesOk) {
      faults.push_back({n, std::string(Message(msg::kMissingQuotes))});
      continue;
    }
    if (!rec.CountOk) {
      faults.push_back({n, ReplaceAll(Message(msg::kParamCount), "%s", FormatWholeNumber(rec.Action->MinParams))});
      continue;
    }
    if (rec.Opens == boIf) open.push_back({Block::If, n});
    if (rec.Opens == boWhile) open.push_back({Block::While, n});
    if (rec.Opens == boLoop) open.push_back({Block::Loop, n});
    if (IsBuiltIn(rec, cmd::kGotoLine) && rec.ParamCount >= 1 && IsFixedLabel(rec.Params[0]) &&
        script.FindLabel(rec.Params[0]) == 0)
      faults.push_back({n, std::string(Message(msg::kNoLabel)) + " (" + std::string(rec.Params[0]) + ")"});
  }
  for (const auto& [kind, line] : open) faults.push_back({line, std::string(BlockName(kind)) + " never closed"});
  std::stable_sort(faults.begin(), faults.end(), [](const ScriptFault& a, const ScriptFault& b) { return a.Line < b.Line; });
  return faults;
}

}  // namespace orv
