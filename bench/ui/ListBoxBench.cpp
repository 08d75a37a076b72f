// A list box of 10,000 items whose text names a variable in every line:
// the variable changes, the box builds its items again and selects from
// its own variable, until the window has laid out and painted. Against
// QListWidget::addItems of the same (ready) texts into a shown list of the
// same size, also until painted; the figure to watch is the ratio
// (target: at most 3):
// - rebuild_over_add_items: against a list with rows of one size, as the
//   list box's are;
// - rebuild_over_default_list: against a list left as Qt makes it, which
//   measures every row when it lays them out (for information).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <chrono>
#include <string>

#include "BenchWindow.h"
#include "objects/InputObjects.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"

namespace {

constexpr int kItems = 10000;

std::string ItemLine(int i) {
  std::string number = std::to_string(i);
  return "Item " + std::string(5 - number.size(), '0') + number + " in [Unit]";
}

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// The same texts as the list shows them for `unit`.
QStringList Texts(const std::string& unit) {
  QStringList texts;
  texts.reserve(kItems);
  for (int i = 0; i < kItems; ++i) {
    std::string line = ItemLine(i);
    line.replace(line.find("[Unit]"), 6, unit);
    texts.append(QString::fromStdString(line));
  }
  return texts;
}

double AddItemsSeconds(QListWidget& list, const QStringList& texts) {
  const auto start = std::chrono::steady_clock::now();
  list.clear();
  list.addItems(texts);
  list.item(kItems / 2)->setSelected(true);
  QApplication::processEvents();
  return Seconds(start);
}

void BM_ListBoxRebuildAgainstAddItems(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < kItems; ++i) text += ItemLine(i) + "\xB6";
  orv::bench::BenchWindow window("ScreenWidth=640\r\nScreenHeight=400\r\nNewPage=P\r\nObjectType=10\r\nName=L\r\n"
                                 "X=10\r\nY=10\r\nW=300\r\nH=300\r\nVarName=Choice\r\nVarType=1\r\nText=" +
                                 text + "\r\n");
  window.vars.SetVar("[Unit]", "kg");
  window.vars.SetVar("[Choice]", std::to_string(kItems / 2));
  orv::TOVPageList& pages = window.form->Pages();
  for (int i = 0; i < pages.Count(); ++i) pages.Page(i)->Background().Notify(orv::kMsgLoaded, "", "", false);
  window.form->show();
  window.form->ShowFirstPage(1);
  QApplication::processEvents();
  auto* list = dynamic_cast<orv::TOrvalisListBox*>(window.form->FindObject("L", false));
  if (list == nullptr || list->ItemCount() != kItems) {
    state.SkipWithError("no list of 10,000 items");
    return;
  }

  // The baselines: shown lists of the list box's size and font.
  QListWidget uniform, plain;
  for (QListWidget* other : {&uniform, &plain}) {
    other->setFont(list->List().font());
    other->resize(list->List().size());
    other->show();
  }
  uniform.setUniformItemSizes(true);
  const QStringList kg = Texts("kg"), lb = Texts("lb");

  double rebuildSeconds = 0, uniformSeconds = 0, plainSeconds = 0;
  int turn = 0;
  for (auto _ : state) {
    const bool odd = (++turn & 1) != 0;
    auto start = std::chrono::steady_clock::now();
    window.vars.SetVar("[Unit]", odd ? "lb" : "kg");
    QApplication::processEvents();
    rebuildSeconds += Seconds(start);
    uniformSeconds += AddItemsSeconds(uniform, odd ? lb : kg);
    plainSeconds += AddItemsSeconds(plain, odd ? lb : kg);
  }
  if (list->SelectedIndex() != kItems / 2 - 1 || list->List().item(0)->text() != (turn & 1 ? lb : kg)[0])
    state.SkipWithError("the list did not follow its variables");
  state.counters["rebuild_over_add_items"] = rebuildSeconds / uniformSeconds;
  state.counters["rebuild_over_default_list"] = rebuildSeconds / plainSeconds;
  state.counters["ms_per_rebuild"] = rebuildSeconds * 1e3 / static_cast<double>(state.iterations());
  state.counters["ms_per_add_items"] = uniformSeconds * 1e3 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ListBoxRebuildAgainstAddItems)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
