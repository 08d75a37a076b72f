#include "script/ScriptHost.h"

#include "base/Messages.h"
#include "script/ActionEvaluator.h"

namespace orv {

void TScriptHost::ExecutePluginCommand(TActionEval& eval) {
  eval.Vars().SetLastError(Message(msg::kNotOnThisPlatform));
}

}  // namespace orv
