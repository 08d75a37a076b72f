// Arbitrary bytes as a picture of every format the player reads (the first
// byte picks the name they come under): decoding, the header information,
// the metafile player and drawing must end without a crash, a leak,
// undefined behaviour or unbounded memory.
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "imaging/PictureFuzzExercise.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The image readers warn about every broken input; at fuzzing speed that
  // is nothing but noise.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static QGuiApplication* app = new QGuiApplication(*argc, *argv);
  (void)app;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (orv::test::ExercisePictureInput(std::string_view(reinterpret_cast<const char*>(data), size)) != nullptr)
    std::abort();
  return 0;
}
