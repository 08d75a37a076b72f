// A screen saver that ends on input: which input ends it, the mouse's
// one-pixel tolerance, and the hidden cursor.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <vector>

#include "app/ScreenSaverExit.h"

namespace orv {
namespace {

void MoveTo(QWidget& target, QPoint global) {
  QMouseEvent move(QEvent::MouseMove, QPointF(0, 0), QPointF(global), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &move);
}

TEST(ScreenSaverExit, KeysButtonsAndRealMovesEndItJitterDoesNot) {
  QWidget window;
  int closes = 0;
  {
    TScreenSaverExit exit([&] { ++closes; });
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);

    MoveTo(window, {100, 100});  // the first move only marks the place
    MoveTo(window, {101, 99});   // a pixel of jitter
    MoveTo(window, {100, 100});
    EXPECT_EQ(closes, 0);
    MoveTo(window, {102, 100});  // two pixels away
    EXPECT_EQ(closes, 1);
    MoveTo(window, {103, 101});  // compared with the last place, not the first
    EXPECT_EQ(closes, 1);

    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_TRUE(QCoreApplication::sendEvent(&window, &key));  // consumed, never typed anywhere
    EXPECT_EQ(closes, 2);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
    EXPECT_EQ(closes, 3);
    EXPECT_EQ(exit.CloseRequests(), 3);
  }
  // Gone with it: the cursor is back and input is input again.
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &key);
  EXPECT_EQ(closes, 3);
}

}  // namespace
}  // namespace orv
