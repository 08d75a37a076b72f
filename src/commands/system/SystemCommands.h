#pragma once
// Random, DateToNum, NumToDate, Delay and SystemInfo.
#include "script/CommandDispatch.h"

namespace orv {

void RegisterSystemCommands(TCommandTable& table);

}  // namespace orv
