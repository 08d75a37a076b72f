#include "commands/CoreCommands.h"

#include "commands/variables/VariableCommandBodies.h"
#include "script/ActionEvaluatorNumbers.h"
#include "script/ControlFlow.h"

namespace orv {

void RegisterCoreCommands(TCommandTable& table) {
  RegisterEngineCommands(table);
  RegisterControlFlowCommands(table);
  RegisterExpressionCommands(table);
  RegisterVariableCommands(table);
}

}  // namespace orv
