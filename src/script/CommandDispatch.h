#pragma once
// Command bodies bound to the ids of the built-in commands. Each command
// group binds its bodies with one function of its own (for example
// RegisterVariableCommands in commands/variables/), so the headless runner
// and the player each bind the groups they have. A registered command whose
// id has no body here puts message 350 into "[LastError]" and the script
// goes on.
#include <array>

namespace orv {

class TActionEval;

// A body reads its prepared parameters and the run's context from the
// evaluator: eval.ParamCount(), eval.Param(n) (1-based), eval.IsLiteral(n),
// eval.Options(), eval.Source(), eval.SourceName(), eval.Vars(),
// eval.Host(), eval.Engine(), and reports a script-stopping failure with
// eval.ActionError(code, data). Ordinary failures go to "[LastError]".
using CommandBody = void (*)(TActionEval& eval);

class TCommandTable {
 public:
  static constexpr int kMaxId = 255;

  // Replaces any earlier binding of `id`; ids outside 0..kMaxId are ignored.
  void Bind(int id, CommandBody body);
  void Unbind(int id);
  // nullptr when no body is bound.
  CommandBody Body(int id) const {
    return id >= 0 && id <= kMaxId ? bodies_[static_cast<unsigned>(id)] : nullptr;
  }
  int BoundCount() const;

 private:
  std::array<CommandBody, kMaxId + 1> bodies_{};
};

// "ShowErrors": the error display follows the truth word of parameter 1.
void RegisterEngineCommands(TCommandTable& table);

}  // namespace orv
