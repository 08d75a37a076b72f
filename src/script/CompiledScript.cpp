#include "script/CompiledScript.h"

#include "script/CommandIds.h"

namespace orv {
namespace {

// The block a built-in command opens and the skip it begins.
void ClassifyBlockCommand(ScriptLineRec& rec) {
  if (!rec.Action || rec.Group->Kind != agkBuiltIn) return;
  switch (rec.Action->Id) {
    case cmd::kIf: case cmd::kIfEx: rec.Opens = boIf; rec.SkipStart = ssIfFalse; return;
    case cmd::kWhile: case cmd::kWhileEx: rec.Opens = boWhile; rec.SkipStart = ssWhileBody; return;
    case cmd::kExitWhile: rec.SkipStart = ssWhileBody; return;
    case cmd::kLoop: rec.Opens = boLoop; rec.SkipStart = ssLoopBody; return;
    case cmd::kExitLoop: rec.SkipStart = ssLoopBody; return;
    default: return;
  }
}

std::uint8_t BlockOfSkip(std::uint8_t state) {
  switch (state) {
    case ssIfFalse: case ssElsePart: return boIf;
    case ssWhileBody: return boWhile;
    case ssLoopBody: return boLoop;
    default: return boNone;
  }
}

std::uint8_t BlockOfCloser(LineKind kind) {
  switch (kind) {
    case LineKind::lkEndIf: return boIf;
    case LineKind::lkEndWhile: return boWhile;
    case LineKind::lkEndLoop: return boLoop;
    default: return boNone;
  }
}

// Block openers and closers are recognised by command word, as the backward
// search of the evaluator does ("ENDWHILEEX" closes as well as "ENDWHILE").
struct BlockFamily {
  std::string_view Name, OtherName;
  int ScriptLineRec::*Opener;
};
constexpr BlockFamily kFamilies[] = {
    {"WHILE", "WHILEEX", &ScriptLineRec::WhileOpener},
    {"LOOP", "", &ScriptLineRec::LoopOpener},
};

bool IsCloserOf(std::string_view word, const BlockFamily& f) {
  if (word.size() < 4 || word.substr(0, 3) != "END") return false;
  const std::string_view rest = word.substr(3);
  return rest == f.Name || (!f.OtherName.empty() && rest == f.OtherName);
}

bool IsOpenerOf(std::string_view word, const BlockFamily& f) {
  return word == f.Name || (!f.OtherName.empty() && word == f.OtherName);
}

}  // namespace

TCompiledScript::TCompiledScript(std::string text, const TActionRegistry& registry)
    : text_(std::move(text)), registryGeneration_(registry.Generation()) {
  const std::vector<std::string_view> raw = SplitScriptLines(text_);
  lines_.resize(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    ScriptLineRec& rec = lines_[i];
    rec.Text = StripLeadingBlanks(raw[i]);
    rec.CommandWordUpper = AnsiUpperCase(CommandWord(rec.Text));
    rec.Kind = ClassifyCommandWord(rec.CommandWordUpper);
    if (rec.Kind == LineKind::lkLabel) {
      labels_.emplace(std::string(TrimBlanks(rec.Text)), static_cast<int>(i + 1));  // first wins
      continue;
    }
    if (rec.Kind != LineKind::lkCommand) continue;
    if (const ActionLookup hit = registry.FindAction(rec.CommandWordUpper)) {
      rec.Group = hit.Group;
      rec.Action = hit.Action;
    }
    const SplitParams split = SplitParameters(rec.Text);
    rec.ParamCount = static_cast<std::uint8_t>(split.Count);
    rec.QuotesOk = split.Ok;
    rec.Params = split.Params;
    for (int p = 0; p < split.Count; ++p) {
      const std::string_view param = split.Params[static_cast<std::size_t>(p)];
      if (param.find('[') != std::string_view::npos) rec.ReferenceMask |= static_cast<std::uint16_t>(1u << p);
      if (IsPlainNumber(param, '.')) rec.PlainNumberMask |= static_cast<std::uint16_t>(1u << p);
    }
    rec.CountOk = rec.Action && CheckParameterCount(*rec.Group, *rec.Action, split.Count);
    ClassifyBlockCommand(rec);
  }
  LinkBlocks();
  LinkSkipEnds();
}

// Equivalent to searching backwards from each line with a depth counter: a
// closer met with no open block absorbs nothing that came before it.
void TCompiledScript::LinkBlocks() {
  for (const BlockFamily& family : kFamilies) {
    std::vector<int> open;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      ScriptLineRec& rec = lines_[i];
      rec.*family.Opener = open.empty() ? 0 : open.back();
      const std::string_view word = rec.CommandWordUpper;
      if (IsOpenerOf(word, family))
        open.push_back(static_cast<int>(i + 1));
      else if (IsCloserOf(word, family) && !open.empty())
        open.pop_back();
    }
  }
}

// A skip that begins after line n ends at the first closer of its kind that
// takes the nesting height of that kind below the height after line n (or,
// for ssIfFalse, at an "ELSE" at that height): the same line the evaluator
// reaches by counting depth while it passes lines over.
void TCompiledScript::LinkSkipEnds() {
  struct Pending {
    int Height;
    int Line;  // 1-based
  };
  int height[4] = {};
  std::vector<Pending> pending[4];
  int unknown = 0;
  int debugOff = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    ScriptLineRec& rec = lines_[i];
    const int line = static_cast<int>(i + 1);
    if (rec.Kind == LineKind::lkCommand && !rec.Action) ++unknown;
    if (rec.Kind == LineKind::lkDebugOff) ++debugOff;
    if (rec.Kind == LineKind::lkDebugOn) --debugOff;
    rec.UnknownUpTo = unknown;
    rec.DebugOffLevel = debugOff;
    if (rec.Kind == LineKind::lkElse) rec.SkipStart = ssElsePart;
    if (rec.Opens != boNone) ++height[rec.Opens];
    if (rec.Kind == LineKind::lkElse) {
      std::vector<Pending>& open = pending[boIf];
      if (!open.empty() && open.back().Height == height[boIf] && Line(open.back().Line).SkipStart == ssIfFalse) {
        lines_[static_cast<std::size_t>(open.back().Line - 1)].SkipEnd = line;
        open.pop_back();
      }
    }
    if (const std::uint8_t skipped = BlockOfSkip(rec.SkipStart); skipped != boNone)
      pending[skipped].push_back({height[skipped], line});
    if (const std::uint8_t closed = BlockOfCloser(rec.Kind); closed != boNone) {
      std::vector<Pending>& open = pending[closed];
      while (!open.empty() && open.back().Height == height[closed]) {
        lines_[static_cast<std::size_t>(open.back().Line - 1)].SkipEnd = line;
        open.pop_back();
      }
      --height[closed];
    }
  }
}

std::string_view TCompiledScript::CurrentLine(int n) const {
  if (n < 1 || n > LineCount()) return {};
  return Line(n).Text;
}

int TCompiledScript::FindLabel(std::string_view label) const {
  label = TrimBlanks(label);
  std::string key;
  if (label.empty() || label.front() != ':') key.push_back(':');
  key.append(label);
  const auto it = labels_.find(std::string_view(key));
  return it == labels_.end() ? 0 : it->second;
}

TScriptCache::TScriptCache(const TActionRegistry& registry, std::size_t capacity)
    : registry_(registry), capacity_(capacity ? capacity : 1), generation_(registry.Generation()) {}

std::shared_ptr<const TCompiledScript> TScriptCache::Get(std::string_view script) {
  if (generation_ != registry_.Generation()) {
    scripts_.clear();
    generation_ = registry_.Generation();
  }
  if (const auto it = scripts_.find(script); it != scripts_.end()) return it->second;
  // Publications hold a bounded set of scripts; scripts built at run time
  // (texts with values in them) could grow the cache without end.
  if (scripts_.size() >= capacity_) scripts_.clear();
  auto compiled = std::make_shared<const TCompiledScript>(std::string(script), registry_);
  scripts_.emplace(std::string(script), compiled);
  return compiled;
}

}  // namespace orv
