#include "script/ScriptLines.h"

#include "base/Ansi.h"

namespace orv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct KeywordRow {
  std::string_view Word;
  LineKind Kind;
};
constexpr KeywordRow kKeywords[] = {
    {"ELSE", LineKind::lkElse},         {"ENDIF", LineKind::lkEndIf},
    {"ENDWHILE", LineKind::lkEndWhile}, {"ENDLOOP", LineKind::lkEndLoop},
    {"DEBUGOFF", LineKind::lkDebugOff}, {"DEBUGON", LineKind::lkDebugOn},
};

}  // namespace

std::vector<std::string_view> SplitScriptLines(std::string_view script) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(script.substr(start, i - start));
    if (c == '\r' && i + 1 < script.size() && script[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < script.size()) lines.push_back(script.substr(start));
  return lines;
}

std::string_view StripLeadingBlanks(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  return line.substr(i);
}

std::string_view TrimBlanks(std::string_view text) {
  text = StripLeadingBlanks(text);
  std::size_t n = text.size();
  while (n > 0 && IsBlank(text[n - 1])) --n;
  return text.substr(0, n);
}

std::string_view CommandWord(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  const std::size_t space = trimmed.find(' ');
  const std::size_t quote = trimmed.find('"');
  if (space == std::string_view::npos || quote == std::string_view::npos) return trimmed;
  return trimmed.substr(0, space < quote ? space : quote);
}

LineKind ClassifyCommandWord(std::string_view upperWord) {
  if (upperWord.empty()) return LineKind::lkEmpty;
  if (upperWord.front() == '.') return LineKind::lkComment;
  if (upperWord.front() == ':') return LineKind::lkLabel;
  for (const KeywordRow& row : kKeywords)
    if (upperWord == row.Word) return row.Kind;
  return LineKind::lkCommand;
}

SplitParams SplitParameters(std::string_view line) {
  SplitParams out;
  bool inside = false;
  std::size_t open = 0;
  for (std::size_t i = 0; i < line.size() && out.Count < kMaxParams; ++i) {
    if (line[i] != '"') continue;
    if (inside) {
      out.Params[out.Count++] = line.substr(open, i - open);
      inside = false;
    } else {
      inside = true;
      open = i + 1;
    }
  }
  out.Ok = !inside;
  return out;
}

bool IsPlainNumber(std::string_view text, char decimalSymbol) {
  if (text.empty()) return false;
  const char first = text.front();
  if (!(first == '-' || first == ' ' || IsDigit(first) || first == '.' || first == decimalSymbol))
    return false;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (!(c == ' ' || IsDigit(c) || c == '.' || c == decimalSymbol)) return false;
  }
  return true;
}

}  // namespace orv
