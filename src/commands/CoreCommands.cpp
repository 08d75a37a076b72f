#include "commands/CoreCommands.h"

#include "commands/files/FileCommands.h"
#include "commands/registry/RegistryCommands.h"
#include "commands/strings/StringCommands.h"
#include "commands/system/SystemCommands.h"
#include "commands/variables/VariableCommandBodies.h"
#include "script/ActionEvaluatorNumbers.h"
#include "script/ControlFlow.h"

namespace orv {

void RegisterCoreCommands(TCommandTable& table) {
  RegisterEngineCommands(table);
  RegisterControlFlowCommands(table);
  RegisterExpressionCommands(table);
  RegisterVariableCommands(table);
  RegisterFileCommands(table);
  RegisterDataFileCommands(table);
  RegisterFileNameCommands(table);
  RegisterStringCommands(table);
  RegisterSystemCommands(table);
  RegisterRegistryCommands(table);
}

}  // namespace orv
