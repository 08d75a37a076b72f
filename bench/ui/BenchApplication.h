#pragma once
// The one QApplication of the user-interface benchmarks, on the offscreen
// platform, made on first use.
#include <QApplication>
#include <cstdlib>

namespace orv::bench {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "orvalis_ui_bench";
  static char* argv[] = {name, nullptr};
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace orv::bench
