#include "script/Engine.h"

#include "script/ActionEvaluatorErrors.h"

namespace orv {

TScriptEngine::TScriptEngine(TVars& vars, TScriptHost& host, const TActionRegistry& registry)
    : vars_(vars), host_(host), registry_(registry), cache_(registry) {}

std::unique_ptr<TActionEval> TScriptEngine::CreateEvaluator(std::string_view script, std::uint8_t options,
                                                            std::uint8_t source, int objectType,
                                                            std::string_view sourceName) {
  // A subroutine calling itself without end, or events piling up on waiting
  // scripts, must not exhaust the stack.
  if (runs_.Depth() >= kMaxNestedRuns) {
    if (TActionEval* current = Current()) current->ActionError(ae::kTooDeep);
    return nullptr;
  }
  return std::unique_ptr<TActionEval>(
      new TActionEval(*this, runs_, cache_.Get(script), options, source, objectType, sourceName));
}

int TScriptEngine::Run(std::unique_ptr<TActionEval> eval) {
  if (!eval) return ae::kTooDeep;
  struct RunningEntry {
    std::vector<TActionEval*>& stack;
    RunningEntry(std::vector<TActionEval*>& s, TActionEval* e) : stack(s) { stack.push_back(e); }
    ~RunningEntry() { stack.pop_back(); }
  } entry(running_, eval.get());
  eval->RunLines();
  return eval->StopCode();
}

int TScriptEngine::RunScript(std::string_view script, std::uint8_t options, std::uint8_t source, int objectType,
                             std::string_view sourceName) {
  if (closing_) return 0;
  return Run(CreateEvaluator(script, options, source, objectType, sourceName));
}

TScriptEngine::SubroutineResult TScriptEngine::GoSub(std::string_view label, std::uint8_t options) {
  std::unique_ptr<TActionEval> eval =
      CreateEvaluator(subroutines_, options, srcSubroutine, kPublicationObjectType, label);
  if (!eval) return SubroutineResult::Refused;
  if (!eval->FindLabel(label)) return SubroutineResult::NoSuchLabel;
  ++eval->LineIndex;  // the label line itself is not run
  Run(std::move(eval));
  return SubroutineResult::Ran;
}

void TScriptEngine::ResetEngine() {
  runs_.StartNewGeneration();
  closing_ = false;
  cache_.Clear();
}

}  // namespace orv
