#pragma once
// The window-properties bits ("WINDOWPROPS=") and the stacking order
// ("WINDOWORDER=") as Qt window flags and the traits Qt has no flag for.
#include <Qt>

namespace orv {

// Window-properties bits.
enum : int {
  wpTitleBar = 1,
  wpSizeable = 2,
  wpMovable = 4,
  wpSystemMenu = 8,
  wpMinimize = 16,
  wpMaximize = 32,
  wpCloseDisabled = 128,  // only together with wpSystemMenu
};

// Window order values.
enum : int { woNormal = 0, woOnTop = 1, woOnBottom = 2 };

struct TWindowFrame {
  Qt::WindowFlags Flags;
  bool Frameless = false;
  bool HasTitle = false;
  bool Sizeable = false;     // the user may resize the window
  bool Movable = false;      // the window may leave the place it was shown at
  bool CloseRefused = false; // the Close command does nothing
};

// `style` is the window style (the full-screen and shaped styles have no
// frame whatever the properties say).
TWindowFrame WindowFrameFor(int style, int properties, int order);

}  // namespace orv
