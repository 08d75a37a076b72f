#pragma once
// The faults of a script that show before anything runs: unknown command
// words, open quotes, wrong parameter counts, block keywords without their
// opener, blocks never closed, and jumps to labels that do not exist.
#include <string>
#include <vector>

#include "script/CompiledScript.h"

namespace orv {

struct ScriptFault {
  int Line = 0;
  std::string Message;  // Windows-1252
};

std::vector<ScriptFault> CheckScript(const TCompiledScript& script);

}  // namespace orv
