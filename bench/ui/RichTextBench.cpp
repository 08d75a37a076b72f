// Loading a 1 MB RTF document, against Qt's own HTML import of the same
// content in the same run. The figure to watch is rtf_over_html (target: at
// most 1.0).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextDocument>
#include <chrono>
#include <cstdlib>
#include <string>

#include "richtext/RtfReader.h"

namespace {

void EnsureApplication() {
  static QGuiApplication* app = [] {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "orvalis_ui_bench";
    static char* argv[] = {name, nullptr};
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
}

struct Content {
  std::string rtf;
  QString html;
};

// The same paragraphs as RTF and as HTML: runs in bold, italic and colour,
// accented letters and a link per paragraph, about 1 MB of RTF.
const Content& Document() {
  static const Content content = [] {
    Content c;
    c.rtf = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
            "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue255;}\n";
    c.html = "<html><body>";
    int n = 0;
    while (c.rtf.size() < 1024 * 1024) {
      const std::string num = std::to_string(n++);
      c.rtf += "\\pard\\qj\\li200\\sa120\\f0\\fs22 Paragraph " + num +
               " of the catalogue, {\\b bold words}, {\\i italic words}, {\\cf1 red words} and caf\\'e9 cr\\'e8me. "
               "{\\f1\\fs28 A larger serif run follows here} and {\\uldb a link}{\\v GotoPage \"P" + num +
               "\"} ends it.\\par\n";
      c.html += QString::fromStdString(
          "<p style=\"margin-left:13px;margin-bottom:8px\" align=\"justify\"><span style=\"font-family:Arial;"
          "font-size:11pt\">Paragraph " + num +
          " of the catalogue, <b>bold words</b>, <i>italic words</i>, <span style=\"color:#c80000\">red words</span> "
          "and caf\xC3\xA9 cr\xC3\xA8me. <span style=\"font-family:'Times New Roman';font-size:14pt\">A larger serif "
          "run follows here</span> and <a href=\"P" + num + "\">a link</a> ends it.</span></p>\n");
    }
    c.rtf += "}";
    c.html += "</body></html>";
    return c;
  }();
  return content;
}

void BM_LoadRtf(benchmark::State& state) {
  EnsureApplication();
  const Content& c = Document();
  for (auto _ : state) {
    QTextDocument doc;
    orv::rt::ReadRtf(c.rtf, doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(c.rtf.size()));
}
BENCHMARK(BM_LoadRtf)->Unit(benchmark::kMillisecond);

void BM_SetHtml(benchmark::State& state) {
  EnsureApplication();
  const Content& c = Document();
  for (auto _ : state) {
    QTextDocument doc;
    doc.setHtml(c.html);
    benchmark::DoNotOptimize(doc.characterCount());
  }
}
BENCHMARK(BM_SetHtml)->Unit(benchmark::kMillisecond);

// Both loads timed alternately in one benchmark; the counter is their ratio.
void BM_RtfOverHtml(benchmark::State& state) {
  EnsureApplication();
  const Content& c = Document();
  double rtfSeconds = 0, htmlSeconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    {
      QTextDocument doc;
      orv::rt::ReadRtf(c.rtf, doc);
      benchmark::DoNotOptimize(doc.characterCount());
    }
    const auto t1 = std::chrono::steady_clock::now();
    {
      QTextDocument doc;
      doc.setHtml(c.html);
      benchmark::DoNotOptimize(doc.characterCount());
    }
    const auto t2 = std::chrono::steady_clock::now();
    rtfSeconds += std::chrono::duration<double>(t1 - t0).count();
    htmlSeconds += std::chrono::duration<double>(t2 - t1).count();
  }
  state.counters["rtf_over_html"] = htmlSeconds > 0 ? rtfSeconds / htmlSeconds : 0;
}
BENCHMARK(BM_RtfOverHtml)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
