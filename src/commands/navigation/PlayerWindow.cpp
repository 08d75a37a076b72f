#include "commands/navigation/PlayerWindow.h"

#include "script/ActionEvaluator.h"
#include "script/Engine.h"
#include "ui/QtScriptHost.h"

namespace orv {

TQtScriptHost* PlayerScriptHost(TActionEval& eval) { return dynamic_cast<TQtScriptHost*>(&eval.Engine().Host()); }

TWorkForm* PlayerWindow(TActionEval& eval) {
  TQtScriptHost* host = PlayerScriptHost(eval);
  return host != nullptr ? host->Window() : nullptr;
}

}  // namespace orv
