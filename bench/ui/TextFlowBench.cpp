// A 1 MB article flowed through a chain of 50 boxes of 300 x 400 pixels,
// against laying the same article out once in one box of the same width, in
// the same run. The figure to watch is flow_over_layout (target: at most 2.0).
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <chrono>
#include <memory>
#include <string>

#include "BenchApplication.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextFlow.h"

namespace {

constexpr int kBoxes = 50;
constexpr qreal kWidth = 300;
constexpr qreal kHeight = 400;

// Justified paragraphs of mixed runs (bold, italic, colour, a larger serif
// run, accented letters) with a link each, about 1 MB of RTF.
const std::string& Article() {
  static const std::string rtf = [] {
    std::string r = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
                    "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue255;}\n";
    int n = 0;
    while (r.size() < 1024 * 1024) {
      const std::string num = std::to_string(n++);
      r += "\\pard\\qj\\fi240\\sa120\\f0\\fs22 Paragraph " + num +
           " of the article, {\\b bold words}, {\\i italic words}, {\\cf1 red words} and caf\\'e9 cr\\'e8me. "
           "{\\f1\\fs28 A larger serif run follows here} and {\\uldb a link}{\\v GotoPage \"P" + num +
           "\"} ends it.\\par\n";
    }
    return r + "}";
  }();
  return rtf;
}

std::unique_ptr<orv::rt::RichTextDocument> LoadedArticle() {
  auto doc = std::make_unique<orv::rt::RichTextDocument>();
  doc->Load(Article());
  return doc;
}

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// Both timed in every turn on freshly loaded documents (loading not timed);
// the counter is the ratio of the sums.
void BM_TextFlowFiftyBoxes(benchmark::State& state) {
  orv::bench::App();
  double flowSeconds = 0, layoutSeconds = 0;
  int64_t characters = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<orv::rt::RichTextDocument> source = LoadedArticle();
    std::unique_ptr<orv::rt::RichTextDocument> whole = LoadedArticle();
    state.ResumeTiming();

    auto t0 = std::chrono::steady_clock::now();
    {
      orv::rt::RichTextFlow flow(*source);
      for (int i = 0; i < kBoxes; ++i) {
        std::unique_ptr<orv::rt::RichTextDocument> box = flow.NextBox(kWidth, kHeight);
        benchmark::DoNotOptimize(box.get());
      }
      characters = flow.Position();
    }
    flowSeconds += Seconds(t0);

    t0 = std::chrono::steady_clock::now();
    whole->Document().setTextWidth(kWidth);
    benchmark::DoNotOptimize(whole->Document().documentLayout()->documentSize());
    layoutSeconds += Seconds(t0);

    state.PauseTiming();
    source.reset();
    whole.reset();
    state.ResumeTiming();
  }
  const double turns = static_cast<double>(state.iterations());
  state.counters["flow_ms"] = flowSeconds / turns * 1e3;
  state.counters["layout_ms"] = layoutSeconds / turns * 1e3;
  state.counters["flow_over_layout"] = layoutSeconds > 0 ? flowSeconds / layoutSeconds : 0;
  state.counters["chars_in_boxes"] = static_cast<double>(characters);
}
BENCHMARK(BM_TextFlowFiftyBoxes)->Unit(benchmark::kMillisecond)->Iterations(5);

// For information: the same chain cut the earlier way, each box keeping what
// fits and handing a copy of the whole rest to the next.
void BM_FlowIntoBoxFiftyTimes(benchmark::State& state) {
  orv::bench::App();
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<orv::rt::RichTextDocument> rest = LoadedArticle();
    state.ResumeTiming();
    for (int i = 0; i < kBoxes && rest; ++i) rest = rest->FlowIntoBox(kWidth, kHeight);
    benchmark::DoNotOptimize(rest.get());
  }
}
BENCHMARK(BM_FlowIntoBoxFiftyTimes)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
