#pragma once
// StrIns, StrDel, StrLen, SubStr, SearchStr, StrUpper, StrLower, StrReplace,
// StrParse.
#include "script/CommandDispatch.h"

namespace orv {

void RegisterStringCommands(TCommandTable& table);

}  // namespace orv
