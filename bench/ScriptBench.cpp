// The script loop authors write most: a counted Loop with two assignments of
// arithmetic, run in-process through the evaluator with the core commands.
#include <benchmark/benchmark.h>

#include <string>

#include "commands/CoreCommands.h"
#include "script/Engine.h"
#include "script/HeadlessScriptHost.h"
#include "script/HeadlessVarHost.h"

namespace orv {
namespace {

std::string LoopScript(int turns) {
  return "SetVar \"[x]\" \"0\"\r\nLoop \"1\" \"" + std::to_string(turns) +
         "\" \"[i]\"\r\nSetVar \"[x]\" \"[x]+[i]*3\"\r\nSetVar \"[y]\" \"[x]-[i]\"\r\nEndLoop\r\n";
}

void BM_ScriptLoop(benchmark::State& state) {
  const int turns = static_cast<int>(state.range(0));
  const std::string script = LoopScript(turns);
  THeadlessVarHost varHost;
  TVars vars(varHost);
  THeadlessScriptHost host(nullptr);
  TScriptEngine engine(vars, host);
  RegisterCoreCommands(engine.Commands());
  for (auto _ : state) benchmark::DoNotOptimize(engine.RunScript(script));
  // Sum of 3i for i = 1..n.
  const long long expected = 3LL * turns * (turns + 1) / 2;
  if (vars.GetVar("x") != std::to_string(expected)) state.SkipWithError("wrong final x");
  state.counters["per_turn"] =
      benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScriptLoop)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv
