// A page change between two pages of 100 mixed objects each, offscreen and
// without an effect, until the window has painted; against the same change
// between two plain widgets of 100 plain children, measured in the same
// run. Also the heap a page of 100 objects takes while not shown, and what a
// visit to it leaves behind.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <string>

#include "BenchApplication.h"
#include "BenchWindow.h"
#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/ScriptHost.h"
#include "script/Vars.h"

namespace {

using orv::bench::App;

// 100 objects of the kinds that have their own look today: panels with
// outlines and patterns, buttons, texts, a group of ten and a container of
// ten.
std::string PageOfObjects(const std::string& name) {
  std::string page = "NewPage=" + name + "\r\n";
  auto object = [&page](int type, int i, const std::string& extra) {
    page += "ObjectType=" + std::to_string(type) + "\r\nName=O" + std::to_string(i) + "\r\nX=" +
            std::to_string(10 + (i % 10) * 60) + "\r\nY=" + std::to_string(10 + (i / 10) * 38) +
            "\r\nW=56\r\nH=34\r\n" + extra;
  };
  for (int i = 0; i < 78; ++i) {
    const int type = i % 3 == 0 ? 5 : i % 3 == 1 ? 3 : 8;
    object(type, i, "LineWidth=" + std::to_string(i % 4) + "\r\nLineStyle=" + std::to_string(i % 7) +
                        "\r\nFillPattern=" + std::to_string(i % 12) + "\r\nFillMode=Yes\r\n");
  }
  object(20, 78, "");
  page += "GroupBegin\r\n";
  for (int i = 79; i < 89; ++i) object(5, i, "FillPattern=3\r\n");
  page += "GroupEnd\r\n";
  object(21, 89, "LineWidth=2\r\n");
  page += "ContainerBegin\r\n";
  for (int i = 90; i < 100; ++i) object(6, i, "Anchor=" + std::to_string(i % 6) + "\r\n");
  page += "ContainerEnd\r\n";
  return page;
}

std::string ObjectDocument(int pages) {
  std::string document = "ScreenWidth=640\r\nScreenHeight=400\r\nMasterPage\r\n";
  for (int i = 1; i <= pages; ++i) document += PageOfObjects("P" + std::to_string(i));
  return document;
}

void BM_PageChangeHundredObjects(benchmark::State& state) {
  orv::bench::BenchWindow window(ObjectDocument(2));
  orv::TWorkForm& form = *window.form;
  form.show();
  form.ShowFirstPage(1);
  QApplication::processEvents();
  int next = 2;
  for (auto _ : state) {
    form.Navigator().ShowPage(next);
    form.repaint();
    next = next == 1 ? 2 : 1;
  }
}
BENCHMARK(BM_PageChangeHundredObjects)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the same change between two widgets holding 100 plain painted
// children each.
void BM_PageChangePlainWidgets(benchmark::State& state) {
  App();
  QWidget top;
  top.resize(640, 400);
  QWidget* pages[2];
  for (QWidget*& page : pages) {
    page = new QWidget(&top);
    page->setGeometry(0, 0, 640, 400);
    page->setAutoFillBackground(true);
    for (int i = 0; i < 100; ++i) {
      auto* child = new QWidget(page);
      child->setGeometry(10 + (i % 10) * 60, 10 + (i / 10) * 38, 56, 34);
      child->setAutoFillBackground(true);
    }
  }
  pages[1]->hide();
  top.show();
  QApplication::processEvents();
  int shown = 0;
  for (auto _ : state) {
    pages[1 - shown]->show();
    pages[shown]->hide();
    top.repaint();
    shown = 1 - shown;
  }
}
BENCHMARK(BM_PageChangePlainWidgets)->Unit(benchmark::kMillisecond)->UseRealTime();

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// Heap of one more page of 100 objects, not shown; then what showing it and
// going back leaves behind, once the window's first visit has filled Qt's
// caches.
void BM_PageMemory(benchmark::State& state) {
  double perPage = 0;
  double visit = 0;
  // Qt's one-time set-up (fonts, styles) is not a page's.
  { orv::bench::BenchWindow warm(ObjectDocument(1)); }
  for (auto _ : state) {
    std::size_t before = HeapInUse();
    orv::bench::BenchWindow one(ObjectDocument(2));
    const std::size_t withTwo = HeapInUse() - before;
    before = HeapInUse();
    orv::bench::BenchWindow two(ObjectDocument(3));
    const std::size_t withThree = HeapInUse() - before;
    perPage = static_cast<double>(withThree) - static_cast<double>(withTwo);
    orv::TWorkForm& form = *two.form;
    form.show();
    form.ShowFirstPage(1);
    form.repaint();
    auto visitPageThree = [&form] {
      form.Navigator().ShowPage(3);
      form.repaint();
      form.Navigator().ShowPage(1);
      form.repaint();
      QApplication::processEvents();
    };
    // The first visit fills Qt's own caches (backing store, glyphs) once
    // for the window; what a visit costs the page shows from the second.
    visitPageThree();
    const std::size_t shownOne = HeapInUse();
    visitPageThree();
    visit = static_cast<double>(HeapInUse()) - static_cast<double>(shownOne);
  }
  state.counters["page_KiB"] = perPage / 1024.0;
  state.counters["visit_left_KiB"] = visit / 1024.0;
}
BENCHMARK(BM_PageMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
