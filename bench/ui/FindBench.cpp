// Find "ALL" for a word that only the last of 100 pages holds, each page
// ten text blocks of a short formatted paragraph, none of them shown;
// against loading the same 1,000 texts into documents, in the same run. The
// figure to watch is find_over_load (target: at most 1.5).
#include <benchmark/benchmark.h>

#include <QTextDocument>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "BenchApplication.h"
#include "BenchWindow.h"
#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "commands/navigation/FindSearch.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "richtext/RichTextDocument.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/ScriptHost.h"
#include "script/Vars.h"

namespace {

constexpr int kPages = 100;
constexpr int kBlocks = 10;

// About 300 bytes of RTF: bold and italic runs, a colour, accented letters.
std::string BlockText(int page, int block, bool withWord) {
  const std::string n = std::to_string(page) + "-" + std::to_string(block);
  return "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red200\\green0\\blue0;}\\f0\\fs20 Block " + n +
         " of the catalogue: {\\b bold words}, {\\i italic words}, {\\cf1 red words}, caf\\'e9 and cr\\'e8me, "
         "a second sentence that runs on for a while so that the paragraph wraps over several lines" +
         (withWord ? std::string(" and hides the marmalade") : std::string()) + ".}";
}

std::vector<std::string> Texts() {
  std::vector<std::string> texts;
  for (int p = 1; p <= kPages; ++p)
    for (int b = 0; b < kBlocks; ++b) texts.push_back(BlockText(p, b, p == kPages && b == kBlocks - 1));
  return texts;
}

std::string TextDocument(const std::vector<std::string>& texts) {
  std::string document = "ScreenWidth=640\r\nScreenHeight=400\r\n";
  for (int p = 1; p <= kPages; ++p) {
    document += "NewPage=P" + std::to_string(p) + "\r\n";
    for (int b = 0; b < kBlocks; ++b)
      document += "ObjectType=8\r\nName=T" + std::to_string(p) + "_" + std::to_string(b) + "\r\nX=10\r\nY=" +
                  std::to_string(10 + b * 38) + "\r\nW=600\r\nH=34\r\nText=" + texts[(p - 1) * kBlocks + b] +
                  "\r\n";
  }
  return document;
}

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// Both timed in every turn; the counter is the ratio of the sums.
void BM_FindAllLastOfHundredPages(benchmark::State& state) {
  const std::vector<std::string> texts = Texts();
  orv::bench::BenchWindow window(TextDocument(texts));
  orv::TFindSearch search(*window.form);
  search.State().scope = "ALL";
  double findSeconds = 0, loadSeconds = 0;
  int found = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    search.Reset();
    orv::TFindMatch match;
    found += search.Next("marmalade", match) && match.page == kPages ? 1 : 0;
    findSeconds += Seconds(start);

    start = std::chrono::steady_clock::now();
    for (const std::string& text : texts) {
      orv::rt::RichTextDocument document;
      document.Load(text);
      benchmark::DoNotOptimize(document.Document().characterCount());
    }
    loadSeconds += Seconds(start);
  }
  state.counters["find_ms"] = findSeconds * 1000.0 / static_cast<double>(state.iterations());
  state.counters["load_ms"] = loadSeconds * 1000.0 / static_cast<double>(state.iterations());
  state.counters["find_over_load"] = findSeconds / loadSeconds;
  state.counters["found"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FindAllLastOfHundredPages)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

}  // namespace
