#include "script/CompiledScript.h"

namespace orv {
namespace {

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
  }
  LinkBlocks();
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
