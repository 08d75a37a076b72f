// Arbitrary document lines after a master page: whatever the objects' keys
// say, building the window, its objects and painting every page must end
// without a crash, a leak, undefined behaviour or unbounded memory.
#include <QApplication>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "objects/ObjectDocumentExercise.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication* app = new QApplication(*argc, *argv);
  (void)app;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::test::ExerciseObjectDocument(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
