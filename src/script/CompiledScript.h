#pragma once
// A script split and classified once. The evaluator walks these records
// instead of re-reading the text, and a script that runs a thousand times (a
// timer, a loop body in a subroutine) is parsed once through TScriptCache.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Ansi.h"
#include "script/ActionManager.h"
#include "script/ScriptLines.h"

namespace orv {

// Skip states of the block structure.
enum : std::uint8_t {
  ssExecuting = 0,
  ssIfFalse = 1,   // the part of an If whose condition was false
  ssElsePart = 2,  // the Else part of an If whose condition was true
  ssWhileBody = 3,
  ssLoopBody = 4
};

// Kinds of block a built-in command line opens.
enum : std::uint8_t { boNone = 0, boIf = 1, boWhile = 2, boLoop = 3 };

// The fields are ordered so that the small ones fill the gaps between the
// large ones: the record stays at 256 bytes, which the evaluator indexes on
// every line.
struct ScriptLineRec {
  LineKind Kind = LineKind::lkEmpty;
  // Built-in If/IfEx, While/WhileEx and Loop lines: the kind of block they
  // open, which deepens a skip of that kind.
  std::uint8_t Opens = boNone;
  // The skip state this line begins when it skips (If and IfEx ssIfFalse,
  // "ELSE" ssElsePart, While, WhileEx and ExitWhile ssWhileBody, Loop and
  // ExitLoop ssLoopBody), and the line that ends that skip: the "ELSE" or
  // closer met at depth 0, 0 when the block is never closed.
  std::uint8_t SkipStart = ssExecuting;
  int SkipEnd = 0;
  std::string_view Text;         // the line with leading blanks removed
  std::string CommandWordUpper;  // empty for empty lines
  // Command lines: the command found for the word (nullptr when the word is
  // not registered: action error -4, even while skipping).
  ActionGroupRec* Group = nullptr;
  const ActionRec* Action = nullptr;
  // Command lines: the quote-paired parameters, views into Text.
  std::uint8_t ParamCount = 0;
  bool QuotesOk = true;  // false: a quote is left open (action error -1)
  bool CountOk = true;   // CheckParameterCount passed (else action error -2)
  // Counts over lines 1 to this one, so that a range of lines can be judged
  // at once: command lines whose word is not registered, and "DEBUGOFF"
  // lines less "DEBUGON" lines.
  int UnknownUpTo = 0;
  std::array<std::string_view, kMaxParams> Params{};
  std::uint16_t ReferenceMask = 0;    // bit i: parameter i+1 contains "["
  std::uint16_t PlainNumberMask = 0;  // bit i: parameter i+1 is a plain number
                                      // when the decimal symbol is "."
  // The line a FindBlockStart from this line would find (1-based, 0 = none),
  // for "ENDWHILE"/`ExitWhile` ("WHILE"/"WHILEEX") and "ENDLOOP"/`ExitLoop`.
  int WhileOpener = 0;
  int LoopOpener = 0;
  int DebugOffLevel = 0;

  bool HasReference(int param) const { return (ReferenceMask >> (param - 1)) & 1u; }
  bool IsPlainNumberWithDot(int param) const { return (PlainNumberMask >> (param - 1)) & 1u; }
};
static_assert(sizeof(ScriptLineRec) <= 256, "keep the small fields in the gaps");

class TCompiledScript {
 public:
  TCompiledScript(std::string text, const TActionRegistry& registry);
  TCompiledScript(const TCompiledScript&) = delete;
  TCompiledScript& operator=(const TCompiledScript&) = delete;

  const std::string& Text() const { return text_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }
  // Line n, 1-based; n must be within 1..LineCount().
  const ScriptLineRec& Line(int n) const { return lines_[static_cast<std::size_t>(n - 1)]; }
  // Line n with leading blanks removed; empty beyond the last line.
  std::string_view CurrentLine(int n) const;
  // The first label line equal to `label` (trimmed, ":" added when missing),
  // ignoring case; 0 when there is none.
  int FindLabel(std::string_view label) const;
  std::uint64_t RegistryGeneration() const { return registryGeneration_; }

 private:
  void LinkBlocks();
  void LinkSkipEnds();

  std::string text_;
  std::vector<ScriptLineRec> lines_;
  std::unordered_map<std::string, int, AnsiCaseHash, AnsiCaseEqual> labels_;
  std::uint64_t registryGeneration_ = 0;
};

// Compiled scripts keyed by their text. Entries resolved against an older
// registry (a plug-in loaded since) are dropped on the next lookup.
class TScriptCache {
 public:
  explicit TScriptCache(const TActionRegistry& registry, std::size_t capacity = 512);
  std::shared_ptr<const TCompiledScript> Get(std::string_view script);
  void Clear() { scripts_.clear(); }
  std::size_t Size() const { return scripts_.size(); }

 private:
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  const TActionRegistry& registry_;
  std::size_t capacity_;
  std::uint64_t generation_ = 0;
  std::unordered_map<std::string, std::shared_ptr<const TCompiledScript>, TextHash, std::equal_to<>>
      scripts_;
};

}  // namespace orv
