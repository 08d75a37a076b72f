#pragma once
// The --trace file: one line for every script line the engine runs, with
// the run's source number and name and the line's number, and one for every
// replayed input line, in the order they happened.
#include <cstdio>
#include <string>
#include <string_view>

namespace orv {

class TScriptEngine;

class TScriptTrace {
 public:
  // False when `hostPath` cannot be written.
  bool Open(const std::string& hostPath);
  // Starts tracing `engine`'s runs.
  void Attach(TScriptEngine& engine);
  // "replay FILE:LINE: text" for an input line of a --play file, just
  // before its input is sent.
  void Replayed(std::string_view file, int line, std::string_view text);
  ~TScriptTrace();

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace orv
