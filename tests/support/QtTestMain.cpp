// Test entry for the user-interface tests: one QApplication on the offscreen
// platform for the whole run, so widgets can be created and grabbed headless.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));  // as the player pins it
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
