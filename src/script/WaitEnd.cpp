#include "script/WaitEnd.h"

#include <chrono>
#include <thread>

#include "script/ActionEvaluator.h"
#include "script/Engine.h"
#include "script/InputLockHold.h"
#include "script/ScriptHost.h"

namespace orv {

bool WaitMustEnd(TActionEval& eval) {
  TScriptEngine& engine = eval.Engine();
  return engine.Closing() || eval.Host().ApplicationEnding() || eval.StopCode() != 0 ||
         eval.Generation() != engine.EngineGeneration();
}

void ServeWhile(TActionEval& eval, const std::function<bool()>& waiting) {
  InputLockHold lock(eval.Host(), eval.Engine().ExclusiveCount() > 0);
  while (waiting() && !WaitMustEnd(eval)) {
    eval.Host().ServeUserInterface();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

}  // namespace orv
