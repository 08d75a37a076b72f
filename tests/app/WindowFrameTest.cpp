// Window properties and order as Qt window flags.
#include <gtest/gtest.h>

#include "app/WindowFrame.h"
#include "app/WindowGeometry.h"

namespace orv {
namespace {

TEST(WindowFrame, PropertiesGiveTheirFrameParts) {
  using F = Qt::WindowType;
  const struct {
    int style;
    int properties;
    bool frameless, title, sizeable, movable, closeRefused;
    Qt::WindowFlags present;
    Qt::WindowFlags absent;
  } cases[] = {
      // 0: no caption, no border.
      {wsFramed, 0, true, false, false, false, false, F::FramelessWindowHint, F::WindowTitleHint},
      // 13: movable, captioned, system menu; no sizing, no minimise box.
      {wsFramed, 13, false, true, false, true, false,
       F::WindowTitleHint | F::WindowSystemMenuHint | F::WindowCloseButtonHint,
       F::WindowMinimizeButtonHint | F::WindowMaximizeButtonHint | F::FramelessWindowHint},
      // 31: everything but the maximise box.
      {wsFramed, 31, false, true, true, true, false,
       F::WindowTitleHint | F::WindowSystemMenuHint | F::WindowMinimizeButtonHint | F::WindowCloseButtonHint,
       F::WindowMaximizeButtonHint},
      // Buttons without the system menu are not shown.
      {wsFramed, 1 + 2 + 16 + 32, false, true, true, false, false, F::WindowTitleHint,
       F::WindowSystemMenuHint | F::WindowMinimizeButtonHint | F::WindowMaximizeButtonHint |
           F::WindowCloseButtonHint},
      // 128 with 8: no Close.
      {wsFramed, 1 + 8 + 128, false, true, false, false, true, F::WindowSystemMenuHint, F::WindowCloseButtonHint},
      // 128 alone means nothing.
      {wsFramed, 1 + 128, false, true, false, false, false, F::WindowTitleHint, F::WindowSystemMenuHint},
      // A border without a caption.
      {wsFramed, 2 + 4, false, false, true, true, false, F::CustomizeWindowHint, F::WindowTitleHint},
      // Full-screen and shaped styles have no frame whatever the properties.
      {wsFullScreen, 31, true, false, false, true, false, F::FramelessWindowHint, F::WindowTitleHint},
      {wsWorkArea, 31, true, false, false, true, false, F::FramelessWindowHint, F::WindowTitleHint},
      {wsShaped, 4, true, false, false, true, false, F::FramelessWindowHint, F::WindowTitleHint},
  };
  for (const auto& c : cases) {
    const TWindowFrame frame = WindowFrameFor(c.style, c.properties, woNormal);
    const std::string what = std::to_string(c.style) + "/" + std::to_string(c.properties);
    EXPECT_EQ(frame.Frameless, c.frameless) << what;
    EXPECT_EQ(frame.HasTitle, c.title) << what;
    EXPECT_EQ(frame.Sizeable, c.sizeable) << what;
    EXPECT_EQ(frame.Movable, c.movable) << what;
    EXPECT_EQ(frame.CloseRefused, c.closeRefused) << what;
    EXPECT_EQ(frame.Flags & c.present, c.present) << what;
    EXPECT_EQ(frame.Flags & c.absent, Qt::WindowFlags()) << what;
    EXPECT_TRUE(frame.Flags.testFlag(Qt::Window)) << what;
  }
}

TEST(WindowFrame, OrderKeepsTheWindowOnTopOrBottom) {
  EXPECT_TRUE(WindowFrameFor(wsFramed, 31, woOnTop).Flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(WindowFrameFor(wsFramed, 31, woOnBottom).Flags.testFlag(Qt::WindowStaysOnBottomHint));
  const Qt::WindowFlags normal = WindowFrameFor(wsFramed, 31, woNormal).Flags;
  EXPECT_FALSE(normal.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(normal.testFlag(Qt::WindowStaysOnBottomHint));
}

}  // namespace
}  // namespace orv
