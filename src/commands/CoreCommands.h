#pragma once
// Binds every command group the core implements without a user interface:
// the headless runner uses exactly these, the player binds its own groups
// on top. A new core group adds its Register... call here.
#include "script/CommandDispatch.h"

namespace orv {

void RegisterCoreCommands(TCommandTable& table);

}  // namespace orv
