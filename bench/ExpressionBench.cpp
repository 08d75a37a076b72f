// Throughput of the expression evaluators on the texts scripts produce most:
// small sums after variable substitution, as in `SetVar "[i]" "[i]+1"`.
#include <benchmark/benchmark.h>

#include <string>

#include "script/ConditionEvaluator.h"
#include "script/MathParameter.h"
#include "script/MathParser.h"

namespace {

void EvaluateMathText(benchmark::State& state, const char* text, int decimals) {
  const orv::NumberSettings settings;
  std::string result;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orv::EvaluateMath(text, decimals, false, settings, result));
    benchmark::DoNotOptimize(result.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(EvaluateMathText, sum, "12+1", orv::kGeneralFormat);
BENCHMARK_CAPTURE(EvaluateMathText, product_difference, "3*7-2", orv::kGeneralFormat);
BENCHMARK_CAPTURE(EvaluateMathText, fraction, "1/3", orv::kGeneralFormat);
BENCHMARK_CAPTURE(EvaluateMathText, fixed_two_decimals, "1234.5*1.19", 2);
BENCHMARK_CAPTURE(EvaluateMathText, functions, "SQRT(2)*SIN(0.5)+ROUND(7.5)", orv::kGeneralFormat);

void EvaluateCurrencyText(benchmark::State& state) {
  orv::NumberSettings settings;
  settings.decimalSymbol = ',';
  settings.thousandsSeparator = ".";
  settings.currencyText = "\x80";
  std::string result;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orv::EvaluateMath("\x80 1.234,50+1", orv::kGeneralFormat, true, settings, result));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(EvaluateCurrencyText);

// What a "Number" parameter costs after substitution: "41+1" and a plain
// number that is kept as written.
void PrepareNumberParameter(benchmark::State& state, const char* text) {
  const orv::NumberSettings settings;
  for (auto _ : state) benchmark::DoNotOptimize(orv::PrepareNumberText(text, true, false, settings));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(PrepareNumberParameter, sum, "41+1");
BENCHMARK_CAPTURE(PrepareNumberParameter, plain_number, "42");

void EvaluateConditionText(benchmark::State& state) {
  const orv::NumberSettings settings;
  const orv::SubstituteVariables substitute = [](std::string_view text) {
    return std::string(text == "[a]" ? "1" : "2");
  };
  for (auto _ : state) {
    benchmark::DoNotOptimize(orv::EvaluateCondition("[a] = 1 AND [b] < 3", substitute, settings));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(EvaluateConditionText);

}  // namespace
