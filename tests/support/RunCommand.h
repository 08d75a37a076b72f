#pragma once
// Runs one of the built programs as a child process for tests that drive the
// command-line tools end to end.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace orv::test {

struct CommandResult {
  int status = -1;     // exit status, -1 when the program did not exit normally
  std::string output;  // standard output (and standard error when merged)
};

// `command` is a shell command line; standard error joins the output unless
// `mergeStderr` is false.
inline CommandResult RunCommand(const std::string& command, bool mergeStderr = true) {
  CommandResult r;
  FILE* p = ::popen((command + (mergeStderr ? " 2>&1" : "")).c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf;
  std::size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.output.append(buf.data(), n);
  const int raw = ::pclose(p);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

// One shell word: `word` in single quotes, its own quotes escaped.
inline std::string Q(const std::string& word) {
  std::string out = "'";
  for (char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

inline std::string BinPath(const std::string& program) { return std::string(ORVALIS_BIN_DIR) + "/" + program; }

}  // namespace orv::test
