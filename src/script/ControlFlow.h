#pragma once
// The block structure of scripts: the keywords "ELSE", "ENDIF", "ENDWHILE"
// and "ENDLOOP", the counting of block openers while lines are skipped, and
// the bodies of If, While, IfEx, WhileEx, Loop, ExitLoop, ExitWhile,
// GotoLine, GoSub and Return.
#include <cstdint>

#include "script/CommandDispatch.h"
#include "script/CompiledScript.h"

namespace orv {

class TActionEval;

// One of lkElse, lkEndIf, lkEndWhile, lkEndLoop met in any skip state.
void HandleBlockKeyword(TActionEval& eval, LineKind keyword);
// A command line met while skipping: built-in openers of the skipped kind
// of block deepen the nesting so that their own closers are not taken for
// the one being sought.
void CountSkippedOpener(TActionEval& eval, const ScriptLineRec& line);

void RegisterControlFlowCommands(TCommandTable& table);

}  // namespace orv
