#pragma once
// Where the publication window goes and how its page list sits in it, worked
// out from the screen alone: the monitor, its work area and the frame the
// window system puts around the client. No widget is touched here, so every
// style and placement can be checked against a fixed screen.
#include <QMargins>
#include <QRect>
#include <QSize>

namespace orv {

// Window styles ("WINDOWSTYLE=").
enum TWindowStyle : int { wsFramed = 0, wsFullScreen = 1, wsShaped = 2, wsWorkArea = 3 };

// The edge a task bar that hides itself sits on; the full-work-area style
// keeps 2 pixels free there so the bar can still be reached.
enum class TTaskBarEdge { None, Left, Top, Right, Bottom };

struct TScreenFacts {
  QRect Monitor;    // the whole monitor, desktop coordinates
  QRect WorkArea;   // the monitor less the task bars
  TTaskBarEdge AutoHideTaskBar = TTaskBarEdge::None;
  QRect Desktop;    // every monitor together; a saved position is kept on it
};

struct TWindowSizeRequest {
  int Style = wsFramed;
  int Position = 0;          // "WINDOWPOS=": 0..8, anything else leaves the window where it is
  QSize Publication{640, 480};
  bool AutoSize = false;     // "SCREENAUTOSIZE="
  QMargins Frame;            // frame around the client for the window's frame flags
  QRect Current;             // the client rectangle now (kept by positions outside 0..8)
  bool KeepPosition = false; // an in-place reload of a window that was not full screen
};

struct TWindowLayout {
  QRect Client;       // client rectangle, desktop coordinates
  QRect Window;       // client plus frame
  QRect PageList;     // page list inside the client
  QRect Publication;  // the publication area, page coordinates
  bool Scroll = false;
  bool Frameless = false;
};

// Half of `n` rounded toward zero, as every centring here does.
inline int HalfOf(int n) { return n / 2; }

// The work area the full-work-area style fills.
QRect UsableWorkArea(const TScreenFacts& screen);
TWindowLayout ComputeWindowLayout(const TWindowSizeRequest& request, const TScreenFacts& screen);
// Top-left corner of a window of `size` for a position mode 0..8 on the work
// area; false for any other mode.
bool PlaceWindow(int position, QSize size, const QRect& workArea, QPoint& topLeft);

}  // namespace orv
