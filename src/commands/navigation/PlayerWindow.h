#pragma once
// Where the bodies of the window's commands find the publication window.
namespace orv {

class TActionEval;
class TQtScriptHost;
class TWorkForm;

// The player's script host of the running script; null under a host of
// another kind (headless tools).
TQtScriptHost* PlayerScriptHost(TActionEval& eval);
// The publication window the running script acts on; null when none is
// open.
TWorkForm* PlayerWindow(TActionEval& eval);

}  // namespace orv
