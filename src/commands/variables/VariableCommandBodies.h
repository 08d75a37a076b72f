#pragma once
// Binds the variable commands (SetVar, DefineVar, SaveVariables,
// LoadVariables, ClearVariables, DeleteArray, GetArrayInfo) to their ids.
#include "script/CommandDispatch.h"

namespace orv {

void RegisterVariableCommands(TCommandTable& table);

}  // namespace orv
