// The object commands against what they stand on, each pair timed in the
// same run, the figures to watch being the ratios:
// - move_over_widget: 10,000 MoveObject lines on a shown page of 100
//   objects against QWidget::move of the same widget to the same places,
//   both until the window has painted (target: at most 3);
// - last_of_500_over_one_page: looking up an object on the last page of a
//   500-page, 5,000-object publication against the same lookup in a
//   one-page publication of 5,000 objects, both through GetObjectInfo
//   (target: at most 2).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <memory>
#include <string>

#include "BenchApplication.h"
#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "commands/objects/ObjectCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "objects/OrvalisObj.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/Vars.h"
#include "ui/QtScriptHost.h"

namespace {

// A window whose scripts find it through the player's script host, with
// the object commands bound.
struct ObjectBenchWindow {
  orv::Publication publication;
  orv::THeadlessVarHost varHost;
  orv::TVars vars{varHost};
  orv::TQtScriptHost host;
  orv::TScriptEngine engine{vars, host};
  std::unique_ptr<orv::TWorkForm> form;

  explicit ObjectBenchWindow(const std::string& document) {
    orv::bench::App();
    orv::RegisterCoreCommands(engine.Commands());
    orv::RegisterObjectCommands(engine.Commands());
    std::string error;
    orv::ReadPublicationDocument(document, false, document.size(), {}, publication, error);
    form = std::make_unique<orv::TWorkForm>(publication, engine);
    host.SetWindow(form.get());
  }
  ~ObjectBenchWindow() {
    host.SetWindow(nullptr);
    form.reset();
  }
  void Show() {
    form->show();
    form->ShowFirstPage(1);
    QApplication::processEvents();
  }
};

std::string Rect(int i, int x, int y) {
  return "ObjectType=5\r\nName=O" + std::to_string(i) + "\r\nX=" + std::to_string(x) + "\r\nY=" +
         std::to_string(y) + "\r\nW=50\r\nH=30\r\nFillColor=" + std::to_string(i * 2654435761u & 0xFFFFFF) + "\r\n";
}

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

constexpr int kMoves = 10000;

QPoint MovePlace(int i) { return QPoint((i * 7) % 580, (i * 13) % 360); }

void BM_MoveObjectAgainstWidgetMove(benchmark::State& state) {
  std::string document = "ScreenWidth=640\r\nScreenHeight=400\r\nNewPage=P\r\n";
  for (int i = 0; i < 100; ++i) document += Rect(i, 10 + (i % 10) * 60, 10 + (i / 10) * 38);
  ObjectBenchWindow window(document);
  window.Show();
  // The object met last by the lookup: the command's whole way.
  std::string script;
  for (int i = 0; i < kMoves; ++i) {
    const QPoint at = MovePlace(i);
    script += "MoveObject \"O99\" \"" + std::to_string(at.x()) + "\" \"" + std::to_string(at.y()) + "\"\r\n";
  }
  orv::TOrvalisObj* object = window.form->FindObject("O99", false);
  double commandSeconds = 0, widgetSeconds = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    window.engine.RunScript(script, 0, 1, 26, "Bench");
    QApplication::processEvents();
    commandSeconds += Seconds(start);

    start = std::chrono::steady_clock::now();
    for (int i = 0; i < kMoves; ++i) object->move(MovePlace(i));
    QApplication::processEvents();
    widgetSeconds += Seconds(start);
  }
  state.counters["move_over_widget"] = commandSeconds / widgetSeconds;
  state.counters["us_per_command"] = commandSeconds * 1e6 / (static_cast<double>(state.iterations()) * kMoves);
}
BENCHMARK(BM_MoveObjectAgainstWidgetMove)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr int kLookups = 2000;

// `pages` pages sharing 5,000 objects; the last one, "O4999", is looked up.
std::string LookupDocument(int pages) {
  std::string document = "ScreenWidth=640\r\nScreenHeight=400\r\n";
  const int perPage = 5000 / pages;
  for (int p = 0; p < pages; ++p) {
    document += "NewPage=P" + std::to_string(p) + "\r\n";
    for (int i = 0; i < perPage; ++i) document += Rect(p * perPage + i, 1 + i % 500, 1 + i % 300);
  }
  return document;
}

double LookupSeconds(ObjectBenchWindow& window, const std::string& script) {
  const auto start = std::chrono::steady_clock::now();
  window.engine.RunScript(script, 0, 1, 26, "Bench");
  return Seconds(start);
}

void BM_FindObjectLastOfFiveHundredPages(benchmark::State& state) {
  ObjectBenchWindow many(LookupDocument(500));
  ObjectBenchWindow one(LookupDocument(1));
  many.Show();
  one.Show();
  std::string script;
  for (int i = 0; i < kLookups; ++i) script += "GetObjectInfo \"O4999\" \"Visible\" \"[V]\"\r\n";
  double manySeconds = 0, oneSeconds = 0;
  for (auto _ : state) {
    manySeconds += LookupSeconds(many, script);
    oneSeconds += LookupSeconds(one, script);
  }
  // The window's lookup alone, for the part the command adds.
  auto lookup = [](ObjectBenchWindow& window) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kLookups; ++i) benchmark::DoNotOptimize(window.form->FindObject("O4999", true));
    return Seconds(start);
  };
  const double manyLookup = lookup(many), oneLookup = lookup(one);
  state.counters["window_lookup_ratio"] = manyLookup / oneLookup;
  state.counters["us_per_window_lookup_500"] = manyLookup * 1e6 / kLookups;
  if (many.vars.GetVar("[V]") != "True" || one.vars.GetVar("[V]") != "True") state.SkipWithError("not found");
  state.counters["last_of_500_over_one_page"] = manySeconds / oneSeconds;
  state.counters["us_per_lookup_500"] = manySeconds * 1e6 / (static_cast<double>(state.iterations()) * kLookups);
}
BENCHMARK(BM_FindObjectLastOfFiveHundredPages)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
