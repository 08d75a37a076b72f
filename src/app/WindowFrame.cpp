#include "app/WindowFrame.h"

#include "app/WindowGeometry.h"

namespace orv {

TWindowFrame WindowFrameFor(int style, int properties, int order) {
  TWindowFrame frame;
  auto bit = [properties](int b) { return (properties & b) != 0; };
  frame.Movable = bit(wpMovable);
  frame.CloseRefused = bit(wpSystemMenu) && bit(wpCloseDisabled);
  frame.Flags = Qt::Window;
  // A shaped window takes the properties as if they were 0.
  const bool noFrame = style == wsFullScreen || style == wsWorkArea || style == wsShaped || properties == 0;
  if (noFrame) {
    frame.Frameless = true;
    frame.Flags |= Qt::FramelessWindowHint;
  } else {
    frame.Flags |= Qt::CustomizeWindowHint;
    frame.HasTitle = bit(wpTitleBar);
    frame.Sizeable = bit(wpSizeable);
    if (frame.HasTitle) frame.Flags |= Qt::WindowTitleHint;
    // The buttons belong to the system menu: without it there are none.
    if (bit(wpSystemMenu)) {
      frame.Flags |= Qt::WindowSystemMenuHint;
      if (bit(wpMinimize)) frame.Flags |= Qt::WindowMinimizeButtonHint;
      if (bit(wpMaximize)) frame.Flags |= Qt::WindowMaximizeButtonHint;
      if (!frame.CloseRefused) frame.Flags |= Qt::WindowCloseButtonHint;
    }
    if (!frame.Sizeable) frame.Flags |= Qt::MSWindowsFixedSizeDialogHint;
  }
  if (order == woOnTop) frame.Flags |= Qt::WindowStaysOnTopHint;
  if (order == woOnBottom) frame.Flags |= Qt::WindowStaysOnBottomHint;
  return frame;
}

}  // namespace orv
