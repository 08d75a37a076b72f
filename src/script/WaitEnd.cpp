#include "script/WaitEnd.h"

#include "script/ActionEvaluator.h"
#include "script/Engine.h"
#include "script/ScriptHost.h"

namespace orv {

bool WaitMustEnd(TActionEval& eval) {
  TScriptEngine& engine = eval.Engine();
  return engine.Closing() || eval.Host().ApplicationEnding() || eval.StopCode() != 0 ||
         eval.Generation() != engine.EngineGeneration();
}

}  // namespace orv
