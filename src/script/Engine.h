#pragma once
// The script engine of a running publication: the command bodies, the
// compiled-script cache, the counters every run shares (generation, live
// runs, exclusive runs, the closing flag), the subroutine library, the
// debugger, and the stack of runs in progress.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CompiledScript.h"
#include "script/EngineDebugger.h"
#include "script/EngineRuns.h"
#include "script/ScriptHost.h"
#include "script/Vars.h"

namespace orv {

// Action sources the engine itself uses.
enum : std::uint8_t { srcSubroutine = 58, srcCall = 60, srcPlugin = 61, srcFunctionError = 62 };
// Object type numbers passed to the debugger for publication actions.
inline constexpr int kPublicationObjectType = 26;

class TScriptEngine {
 public:
  // Deeper nesting of runs is refused with an action error.
  static constexpr int kMaxNestedRuns = 256;

  TScriptEngine(TVars& vars, TScriptHost& host, const TActionRegistry& registry = ActionRegistry());
  TScriptEngine(const TScriptEngine&) = delete;
  TScriptEngine& operator=(const TScriptEngine&) = delete;

  TCommandTable& Commands() { return commands_; }
  TVars& Vars() { return vars_; }
  TScriptHost& Host() { return host_; }
  const TActionRegistry& Registry() const { return registry_; }
  TScriptCache& Cache() { return cache_; }
  // nullptr for none; the debugger must outlive the engine or be reset.
  void SetDebugger(TEngineDebugger* debugger) { debugger_ = debugger; }
  // The attached debugger, or nullptr.
  TEngineDebugger* Debugger() const { return debugger_ && debugger_->Attached() ? debugger_ : nullptr; }

  // Called before every command line or block keyword that runs (not for
  // lines passed over while skipping); empty for none.
  using LineTracer = std::function<void(const TActionEval&)>;
  void SetLineTracer(LineTracer tracer) { tracer_ = std::move(tracer); }
  const LineTracer& Tracer() const { return tracer_; }

  // --- Running -----------------------------------------------------------
  // nullptr when the nesting bound is reached (the innermost run then has
  // an action error).
  std::unique_ptr<TActionEval> CreateEvaluator(std::string_view script, std::uint8_t options,
                                               std::uint8_t source, int objectType,
                                               std::string_view sourceName);
  // Runs to the end and frees the evaluator; returns its stop code.
  int Run(std::unique_ptr<TActionEval> eval);
  // CreateEvaluator and Run; nothing runs while the closing flag is set.
  // Returns the stop code (0 also when nothing ran).
  int RunScript(std::string_view script, std::uint8_t options = 0, std::uint8_t source = 0,
                int objectType = kPublicationObjectType, std::string_view sourceName = {});

  enum class SubroutineResult { Ran, NoSuchLabel, Refused };
  // GoSub: runs the subroutine library from the line after `label`.
  SubroutineResult GoSub(std::string_view label, std::uint8_t options);
  bool RunSubroutine(std::string_view label, std::uint8_t options) {
    return GoSub(label, options) == SubroutineResult::Ran;
  }
  void SetSubroutineLibrary(std::string text) { subroutines_ = std::move(text); }
  const std::string& SubroutineLibrary() const { return subroutines_; }

  // The innermost run in progress, or nullptr.
  TActionEval* Current() const { return running_.empty() ? nullptr : running_.back(); }
  int NestedRuns() const { return runs_.Depth(); }

  // --- Shared state -----------------------------------------------------
  const TEngineRuns& Runs() const { return runs_; }
  int EngineGeneration() const { return runs_.Generation(); }
  int LiveEvaluators() const { return runs_.Live(); }
  int ExclusiveCount() const { return runs_.Exclusive(); }
  bool Closing() const { return closing_; }
  void SetClosing(bool closing) { closing_ = closing; }
  // A newly loaded publication: every run still on the stack stops at its
  // next line, the counters start over, the compiled scripts are dropped.
  void ResetEngine();

 private:
  TVars& vars_;
  TScriptHost& host_;
  const TActionRegistry& registry_;
  TCommandTable commands_;
  TScriptCache cache_;
  TEngineDebugger* debugger_ = nullptr;
  LineTracer tracer_;
  std::string subroutines_;
  std::vector<TActionEval*> running_;
  TEngineRuns runs_;
  bool closing_ = false;
};

}  // namespace orv
