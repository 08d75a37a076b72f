#pragma once
// The text syntax of action scripts, one line at a time: line ends, the
// command word, the kind of line and the quote-paired parameters.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "script/BuiltInCommands.h"

namespace orv {

enum class LineKind : std::uint8_t {
  lkEmpty,     // nothing to do (blank, or no command word)
  lkComment,   // command word begins with "."
  lkLabel,     // command word begins with ":"
  lkElse,
  lkEndIf,
  lkEndWhile,
  lkEndLoop,
  lkDebugOff,
  lkDebugOn,
  lkCommand
};

// Lines end at CR LF, CR or LF; a final line end adds no empty line.
std::vector<std::string_view> SplitScriptLines(std::string_view script);
// Leading blanks (spaces and tabs) removed: what the evaluator reads.
std::string_view StripLeadingBlanks(std::string_view line);
std::string_view TrimBlanks(std::string_view text);

// The trimmed line, cut before the first space or quote only when it holds
// both; not upper-cased.
std::string_view CommandWord(std::string_view line);
// Kind of a line from its upper-cased command word.
LineKind ClassifyCommandWord(std::string_view upperWord);

struct SplitParams {
  int Count = 0;
  std::array<std::string_view, kMaxParams> Params{};  // views into the line
  bool Ok = true;  // false when a quote is left open
};
// Quotes pair from the left; text outside pairs is ignored; no escapes; at
// most ten parameters, the rest of the line ignored.
SplitParams SplitParameters(std::string_view line);

// Starts with "-", a space, a digit, "." or the decimal symbol; the rest are
// spaces, digits, "." or the decimal symbol. Such a parameter is never
// computed as an expression.
bool IsPlainNumber(std::string_view text, char decimalSymbol);

}  // namespace orv
