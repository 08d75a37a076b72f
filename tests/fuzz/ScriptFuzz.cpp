// Runs arbitrary script text through the evaluator with the core commands.
// The first byte chooses the run's options and the error display; the rest
// is the script, which also serves as the subroutine library. Commands that
// touch files see only the file-name part of their names, inside a scratch
// folder; every run ends after a fixed number of lines, or once its
// variables hold more than a megabyte (a loop that doubles a text is as
// legitimate as it is explosive).
#include <unistd.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/PathNames.h"
#include "commands/CoreCommands.h"
#include "commands/variables/VariablesFile.h"
#include "script/CommandIds.h"
#include "script/Engine.h"
#include "script/HeadlessScriptHost.h"
#include "script/HeadlessVarHost.h"

namespace {

constexpr int kLineBudget = 4000;
constexpr std::size_t kValueBudget = 1 << 20;

const std::string& ScratchFolder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/orvalis-script-fuzz-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    return std::string(made ? made : "/tmp");
  }();
  return folder;
}

std::string InScratch(std::string_view name) {
  std::string leaf(orv::ExtractFileName(name));
  if (leaf.empty() || leaf == "." || leaf == "..") leaf = "file";
  return ScratchFolder() + "/" + leaf;
}

void SaveVariablesInScratch(orv::TActionEval& eval) {
  orv::SaveVariablesCommand(eval.Vars(), InScratch(eval.Param(1)));
}
void LoadVariablesInScratch(orv::TActionEval& eval) {
  orv::LoadVariablesCommand(eval.Vars(), InScratch(eval.Param(1)));
}

class BudgetHost : public orv::THeadlessScriptHost {
 public:
  BudgetHost() : THeadlessScriptHost(nullptr) {}
  void RestartIdleTimer() override {
    if (!engine_) return;
    if (++lines_ > kLineBudget) engine_->SetClosing(true);
    if (lines_ % 16 != 0) return;
    std::size_t bytes = 0;
    for (const orv::VarEntry& e : engine_->Vars().Globals()) bytes += e.Value.size();
    if (bytes > kValueBudget) engine_->SetClosing(true);
  }
  void SetEngine(orv::TScriptEngine* engine) { engine_ = engine; }

 private:
  int lines_ = 0;
  orv::TScriptEngine* engine_ = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t control = data[0];
  const std::string script(reinterpret_cast<const char*>(data) + 1, size - 1);

  char cwd[PATH_MAX];
  const bool haveCwd = ::getcwd(cwd, sizeof cwd) != nullptr;
  if (::chdir(ScratchFolder().c_str()) != 0) return 0;
  {
    orv::THeadlessVarHost varHost;
    orv::TVars vars(varHost);
    BudgetHost host;
    orv::TScriptEngine engine(vars, host);
    host.SetEngine(&engine);
    orv::RegisterCoreCommands(engine.Commands());
    engine.Commands().Bind(orv::cmd::kSaveVariables, SaveVariablesInScratch);
    engine.Commands().Bind(orv::cmd::kLoadVariables, LoadVariablesInScratch);
    engine.SetSubroutineLibrary(script);
    vars.SetErrorDisplay(control & 8);
    engine.RunScript(script, static_cast<std::uint8_t>(control & 7), static_cast<std::uint8_t>(control >> 4),
                     26, "Fuzz");
    if (engine.LiveEvaluators() != 0 || engine.NestedRuns() != 0 || engine.ExclusiveCount() != 0) std::abort();
  }
  if (haveCwd && ::chdir(cwd) != 0) std::abort();
  return 0;
}
