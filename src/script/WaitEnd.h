#pragma once
#include <functional>

// The one rule every waiting command follows (Delay, and the waits for
// media, transfers, programs and dialogs): the wait ends as soon as the
// publication closes, the program is ending (a timed run's time is up
// counts as that), the run is stopped, or the engine was reset under it.
namespace orv {

class TActionEval;

bool WaitMustEnd(TActionEval& eval);

// Serves the user interface while `waiting` holds and the wait need not
// end, pausing a millisecond between turns; during an exclusive run the
// reader's input stays locked out meanwhile.
void ServeWhile(TActionEval& eval, const std::function<bool()>& waiting);

}  // namespace orv
