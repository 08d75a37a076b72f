#include "commands/variables/VariablesFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <unordered_map>

#include "base/Ansi.h"
#include "base/ErrorText.h"
#include "base/HostPath.h"
#include "base/TextForms.h"
#include "script/ScriptLines.h"

namespace orv {
namespace {

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// errno of the first failure, 0 on success.
int WriteReplacing(const std::string& target, std::string_view data) {
  std::string temp = target + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return errno;
  int failure = 0;
  if (!WriteAll(fd, data) || ::fsync(fd) != 0) failure = errno ? errno : EIO;
  if (::close(fd) != 0 && failure == 0) failure = errno;
  // The new file keeps the old one's permissions; a first one gets those of
  // an ordinary user file rather than the private ones of a temporary file.
  if (failure == 0) {
    struct stat old {};
    mode_t mode;
    if (::stat(target.c_str(), &old) == 0) {
      mode = old.st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
    ::chmod(temp.c_str(), mode);
  }
  if (failure == 0 && ::rename(temp.c_str(), target.c_str()) != 0) failure = errno;
  if (failure != 0) ::unlink(temp.c_str());
  return failure;
}

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
    text.append(e.Name);
    text.push_back('=');
    for (char c : e.Value) {
      if (c == '\r') text.append("[#13]");
      else if (c == '\n') text.append("[#10]");
      else text.push_back(c);
    }
    text.append("\r\n");
  }
  return text;
}

void SaveVariablesCommand(TVars& vars, std::string_view fileName) {
  const int failure = fileName.empty() ? ENOENT : WriteReplacing(HostPath(fileName), VariablesFileText(vars.Globals()));
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
    std::string_view Name;
    std::string_view Value;
  };
  std::vector<Line> lines;
  // Every line of a name assigns the value of that name's first line.
  std::unordered_map<std::string_view, std::string, AnsiCaseHash, AnsiCaseEqual> firstValues;
  for (std::string_view line : SplitScriptLines(content)) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || eq == 0) continue;
    const Line l{line.substr(0, eq), line.substr(eq + 1)};
    lines.push_back(l);
    if (!firstValues.contains(l.Name))
      firstValues.emplace(l.Name, ReplaceAll(ReplaceAll(l.Value, "[#13]", "\r"), "[#10]", "\n"));
  }
  for (const Line& l : lines) vars.SetVar(l.Name, firstValues.find(l.Name)->second);
  vars.ClearLastError();
}

}  // namespace orv
