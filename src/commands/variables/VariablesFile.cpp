#include "commands/variables/VariablesFile.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <unordered_map>

#include "base/Ansi.h"
#include "base/ErrorText.h"
#include "base/HostPath.h"
#include "base/ReplacingFile.h"
#include "base/TextForms.h"
#include "script/ScriptLines.h"

namespace orv {
namespace {

// CR and LF anywhere in a line would end it early: a name or value holding
// them is written with "[#13]" and "[#10]" in their place.
void AppendEscaped(std::string& text, std::string_view part) {
  for (char c : part) {
    if (c == '\r')
      text.append("[#13]");
    else if (c == '\n')
      text.append("[#10]");
    else
      text.push_back(c);
  }
}

std::string Unescaped(std::string_view part) { return ReplaceAll(ReplaceAll(part, "[#13]", "\r"), "[#10]", "\n"); }

bool ReadFromDisk(std::string_view fileName, std::string& content, std::string& error) {
  std::ifstream in(HostPath(fileName), std::ios::binary);
  if (!in) {
    error = ErrorText(ErrorCodeFromErrno(errno ? errno : ENOENT));
    return false;
  }
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = ErrorText(ErrorCodeFromErrno(EIO));
    return false;
  }
  return true;
}

}  // namespace

std::string VariablesFileText(const TVarStringList& globals) {
  std::string text;
  for (const VarEntry& e : globals) {
    AppendEscaped(text, e.Name);
    text.push_back('=');
    AppendEscaped(text, e.Value);
    text.append("\r\n");
  }
  return text;
}

void SaveVariablesCommand(TVars& vars, std::string_view fileName) {
  const int failure =
      fileName.empty() ? ENOENT : ReplaceFileContent(HostPath(fileName), VariablesFileText(vars.Globals()));
  if (failure == 0)
    vars.ClearLastError();
  else
    vars.SetLastError(ErrorText(ErrorCodeFromErrno(failure)));
}

void LoadVariablesCommand(TVars& vars, std::string_view fileName, const VariablesFileReader& reader) {
  std::string content, error;
  errno = 0;
  const bool ok = reader ? reader(fileName, content, error) : ReadFromDisk(fileName, content, error);
  if (!ok) {
    vars.SetLastError(error);
    return;
  }
  struct Line {
    std::string Name;
    std::string_view Value;
  };
  std::vector<Line> lines;
  for (std::string_view line : SplitScriptLines(content)) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || eq == 0) continue;
    lines.push_back({Unescaped(line.substr(0, eq)), line.substr(eq + 1)});
  }
  // Every line of a name assigns the value of that name's first line.
  std::unordered_map<std::string_view, std::string, AnsiCaseHash, AnsiCaseEqual> firstValues;
  for (const Line& l : lines)
    if (!firstValues.contains(l.Name)) firstValues.emplace(l.Name, Unescaped(l.Value));
  for (const Line& l : lines) vars.SetVar(l.Name, firstValues.find(l.Name)->second);
  vars.ClearLastError();
}

}  // namespace orv
