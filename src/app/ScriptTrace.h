#pragma once
// The --trace file: one line for every script line the engine runs, with
// the run's source number and name and the line's number.
#include <cstdio>
#include <string>

namespace orv {

class TScriptEngine;

class TScriptTrace {
 public:
  // False when `hostPath` cannot be written.
  bool Open(const std::string& hostPath);
  // Starts tracing `engine`'s runs.
  void Attach(TScriptEngine& engine);
  ~TScriptTrace();

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace orv
