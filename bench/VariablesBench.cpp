// Substitution and assignment run for every parameter of every script line;
// both must stop allocating once their buffers have grown.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "script/HeadlessVarHost.h"
#include "script/Vars.h"

namespace {
std::atomic<long> gAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// The replaced operator new above takes its memory from malloc.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

using namespace orv;

void BM_SubstituteThreeReferences(benchmark::State& state) {
  THeadlessVarHost host;
  TVars vars(host);
  vars.SetVar("First", "Ada");
  vars.SetVar("Last", "Lovelace");
  vars.SetVar("Score", "1843");
  const std::string_view text = "Dear [First] [Last], your score is [Score] points.";
  std::string out;
  vars.SubstituteVarsInto(text, out);  // grow the buffers once
  const long before = gAllocations.load();
  for (auto _ : state) {
    vars.SubstituteVarsInto(text, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["allocs_per_call"] =
      benchmark::Counter(static_cast<double>(gAllocations.load() - before) / static_cast<double>(state.iterations()));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SubstituteThreeReferences);

void BM_SetExistingVariable(benchmark::State& state) {
  THeadlessVarHost host;
  TVars vars(host);
  for (int i = 0; i < 200; ++i) vars.SetVar("Var" + std::to_string(i), "x");
  vars.SetVar("Counter", "value-0");
  vars.SetVar("Counter", "value-1");
  const std::string_view values[2] = {"value-0", "value-1"};
  std::size_t n = 0;
  const long before = gAllocations.load();
  for (auto _ : state) vars.SetVar("[Counter]", values[n++ & 1]);
  state.counters["allocs_per_call"] =
      benchmark::Counter(static_cast<double>(gAllocations.load() - before) / static_cast<double>(state.iterations()));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetExistingVariable);

}  // namespace
