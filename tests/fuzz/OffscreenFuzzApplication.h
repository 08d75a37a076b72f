#pragma once
// The fuzz targets that lay out text or decode pictures need a Qt
// application on the offscreen platform; included once per target, it is
// the target's libFuzzer initialisation.
#include <QGuiApplication>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  return 0;
}
