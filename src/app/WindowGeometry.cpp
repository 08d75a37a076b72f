#include "app/WindowGeometry.h"

#include <algorithm>

namespace orv {

namespace {

// The 2 pixels a self-hiding task bar keeps for itself.
constexpr int kAutoHideGap = 2;

// Page list and publication area of the full-screen styles: the client
// whole, or the publication centred where the client is larger.
void LayOutFullScreen(const TWindowSizeRequest& request, TWindowLayout& layout) {
  const QSize client = layout.Client.size();
  const QSize pub = request.Publication;
  if (request.AutoSize) {
    layout.PageList = QRect(QPoint(0, 0), client);
    layout.Publication = layout.PageList;
    layout.Scroll = false;
    return;
  }
  const int x = client.width() > pub.width() ? HalfOf(client.width()) - HalfOf(pub.width()) : 0;
  const int y = client.height() > pub.height() ? HalfOf(client.height()) - HalfOf(pub.height()) : 0;
  layout.PageList = QRect(QPoint(x, y), pub);
  layout.Publication = QRect(QPoint(0, 0), pub);
  layout.Scroll = client.width() < pub.width() || client.height() < pub.height();
}

}  // namespace

QRect UsableWorkArea(const TScreenFacts& screen) {
  QRect area = screen.WorkArea;
  switch (screen.AutoHideTaskBar) {
    case TTaskBarEdge::Left: area.setLeft(area.left() + kAutoHideGap); break;
    case TTaskBarEdge::Top: area.setTop(area.top() + kAutoHideGap); break;
    case TTaskBarEdge::Right: area.setRight(area.right() - kAutoHideGap); break;
    case TTaskBarEdge::Bottom: area.setBottom(area.bottom() - kAutoHideGap); break;
    case TTaskBarEdge::None: break;
  }
  return area;
}

bool PlaceWindow(int position, QSize size, const QRect& workArea, QPoint& topLeft) {
  if (position < 0 || position > 8) return false;
  // Measured from the work area's own corner, so a task bar on the left or
  // top and a second monitor are kept clear of.
  int left = workArea.left();
  switch (position) {
    case 0: case 1: case 2: left += HalfOf(workArea.width()) - HalfOf(size.width()); break;
    case 6: case 7: case 8: left = workArea.left() + workArea.width() - size.width(); break;
    default: break;  // 3, 4, 5: the left edge
  }
  int top = workArea.top();
  switch (position) {
    case 0: case 4: case 7: top += HalfOf(workArea.height()) - HalfOf(size.height()); break;
    case 2: case 5: case 8: top = workArea.top() + workArea.height() - size.height(); break;
    default: break;  // 1, 3, 6: the top edge
  }
  topLeft = QPoint(left, top);
  return true;
}

TWindowLayout ComputeWindowLayout(const TWindowSizeRequest& request, const TScreenFacts& screen) {
  TWindowLayout layout;
  const QSize pub(std::max(1, request.Publication.width()), std::max(1, request.Publication.height()));
  TWindowSizeRequest req = request;
  req.Publication = pub;

  if (req.Style == wsFullScreen || req.Style == wsWorkArea) {
    layout.Frameless = true;
    layout.Client = req.Style == wsFullScreen ? QRect(QPoint(0, 0), screen.Monitor.size()) : UsableWorkArea(screen);
    layout.Window = layout.Client;
    LayOutFullScreen(req, layout);
    return layout;
  }

  // Framed and shaped windows: the client is the publication, cut to the
  // work area when the window would not fit on it.
  const bool shaped = req.Style == wsShaped;
  const QMargins frame = shaped ? QMargins() : req.Frame;
  layout.Frameless = shaped || frame.isNull();
  QSize window(pub.width() + frame.left() + frame.right(), pub.height() + frame.top() + frame.bottom());
  window = window.boundedTo(screen.WorkArea.size());
  const QSize client(std::max(1, window.width() - frame.left() - frame.right()),
                     std::max(1, window.height() - frame.top() - frame.bottom()));

  QPoint topLeft = req.Current.topLeft() - QPoint(frame.left(), frame.top());
  if (!req.KeepPosition) PlaceWindow(req.Position, window, screen.WorkArea, topLeft);
  layout.Window = QRect(topLeft, window);
  layout.Client = QRect(topLeft + QPoint(frame.left(), frame.top()), client);

  const bool autoSize = !shaped && req.AutoSize;
  layout.PageList = autoSize ? QRect(QPoint(0, 0), client) : QRect(QPoint(0, 0), pub);
  layout.Publication = layout.PageList;
  layout.Scroll = !shaped && !autoSize;
  return layout;
}

}  // namespace orv
