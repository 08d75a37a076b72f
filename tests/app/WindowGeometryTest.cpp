// Window size and placement on a fixed screen: a 1024 x 768 monitor whose
// task bar takes the bottom 40 pixels, and a frame of 4 pixels with a
// 24-pixel caption.
#include <gtest/gtest.h>

#include "app/WindowGeometry.h"

namespace orv {
namespace {

TScreenFacts Screen(TTaskBarEdge autoHide = TTaskBarEdge::None, QRect workArea = QRect(0, 0, 1024, 728)) {
  TScreenFacts screen;
  screen.Monitor = QRect(0, 0, 1024, 768);
  screen.WorkArea = workArea;
  screen.AutoHideTaskBar = autoHide;
  return screen;
}

TWindowSizeRequest Framed(int position, QSize publication = QSize(400, 300)) {
  TWindowSizeRequest request;
  request.Style = wsFramed;
  request.Position = position;
  request.Publication = publication;
  request.Frame = QMargins(4, 24, 4, 4);
  request.Current = QRect(50, 60, 10, 10);
  return request;
}

// A 400 x 300 client makes a 408 x 328 window.
TEST(WindowGeometry, FramedWindowIsPlacedByEveryPositionMode) {
  const struct {
    int position;
    QPoint window;  // top-left of the frame
  } cases[] = {
      {0, {308, 200}}, {1, {308, 0}},   {2, {308, 400}}, {3, {0, 0}},    {4, {0, 200}},
      {5, {0, 400}},   {6, {616, 0}},   {7, {616, 200}}, {8, {616, 400}},
      {9, {46, 36}},  // not moved: the frame stays around the current client
      {-1, {46, 36}},
  };
  for (const auto& c : cases) {
    const TWindowLayout layout = ComputeWindowLayout(Framed(c.position), Screen());
    EXPECT_EQ(layout.Window, QRect(c.window, QSize(408, 328))) << c.position;
    EXPECT_EQ(layout.Client, QRect(c.window + QPoint(4, 24), QSize(400, 300))) << c.position;
    EXPECT_EQ(layout.PageList, QRect(0, 0, 400, 300));
    EXPECT_TRUE(layout.Scroll);
    EXPECT_FALSE(layout.Frameless);
  }
}

TEST(WindowGeometry, HalvesAreEachRoundedTowardZero) {
  // Window 409 x 329: 512 - 204 = 308 and 364 - 164 = 200.
  const TWindowLayout layout = ComputeWindowLayout(Framed(0, QSize(401, 301)), Screen());
  EXPECT_EQ(layout.Window.topLeft(), QPoint(308, 200));
  // An odd work area: 1023 / 2 = 511, 727 / 2 = 363.
  const TWindowLayout odd = ComputeWindowLayout(Framed(0), Screen(TTaskBarEdge::None, QRect(0, 0, 1023, 727)));
  EXPECT_EQ(odd.Window.topLeft(), QPoint(511 - 204, 363 - 164));
}

TEST(WindowGeometry, PlacementIsMeasuredFromTheWorkAreaCorner) {
  // A task bar 60 pixels wide on the left.
  const TScreenFacts screen = Screen(TTaskBarEdge::None, QRect(60, 0, 964, 768));
  EXPECT_EQ(ComputeWindowLayout(Framed(3), screen).Window.topLeft(), QPoint(60, 0));
  EXPECT_EQ(ComputeWindowLayout(Framed(8), screen).Window.topLeft(), QPoint(1024 - 408, 768 - 328));
}

TEST(WindowGeometry, LargePublicationIsCutToTheWorkAreaAndScrolls) {
  const TWindowLayout layout = ComputeWindowLayout(Framed(0, QSize(2000, 1000)), Screen());
  EXPECT_EQ(layout.Window, QRect(0, 0, 1024, 728));
  EXPECT_EQ(layout.Client, QRect(4, 24, 1016, 700));
  EXPECT_EQ(layout.PageList, QRect(0, 0, 2000, 1000));
  EXPECT_EQ(layout.Publication, QRect(0, 0, 2000, 1000));
  EXPECT_TRUE(layout.Scroll);
}

TEST(WindowGeometry, AutoSizeFillsTheClientWithoutScrolling) {
  TWindowSizeRequest request = Framed(0, QSize(2000, 1000));
  request.AutoSize = true;
  const TWindowLayout layout = ComputeWindowLayout(request, Screen());
  EXPECT_EQ(layout.PageList, QRect(0, 0, 1016, 700));
  EXPECT_EQ(layout.Publication, QRect(0, 0, 1016, 700));
  EXPECT_FALSE(layout.Scroll);
}

TEST(WindowGeometry, ShapedWindowHasNoFrameAndNoScrolling) {
  TWindowSizeRequest request = Framed(8);
  request.Style = wsShaped;
  request.AutoSize = true;  // ignored by the shaped style
  const TWindowLayout layout = ComputeWindowLayout(request, Screen());
  EXPECT_TRUE(layout.Frameless);
  EXPECT_EQ(layout.Window, layout.Client);
  EXPECT_EQ(layout.Client, QRect(624, 428, 400, 300));
  EXPECT_EQ(layout.PageList, QRect(0, 0, 400, 300));
  EXPECT_FALSE(layout.Scroll);
}

TEST(WindowGeometry, FullScreenStylesCentreThePublicationOrScroll) {
  const struct {
    int style;
    TTaskBarEdge autoHide;
    QSize publication;
    bool autoSize;
    QRect client;
    QRect pageList;
    bool scroll;
  } cases[] = {
      // Whole monitor; (1024 / 2 - 640 / 2, 768 / 2 - 480 / 2).
      {wsFullScreen, TTaskBarEdge::None, {640, 480}, false, {0, 0, 1024, 768}, {192, 144, 640, 480}, false},
      // Wider than the monitor: no centring that way, and scroll bars.
      {wsFullScreen, TTaskBarEdge::None, {1100, 480}, false, {0, 0, 1024, 768}, {0, 144, 1100, 480}, true},
      {wsFullScreen, TTaskBarEdge::None, {640, 480}, true, {0, 0, 1024, 768}, {0, 0, 1024, 768}, false},
      // The work area; 728 / 2 - 481 / 2 = 364 - 240.
      {wsWorkArea, TTaskBarEdge::None, {641, 481}, false, {0, 0, 1024, 728}, {192, 124, 641, 481}, false},
  };
  for (const auto& c : cases) {
    TWindowSizeRequest request;
    request.Style = c.style;
    request.Publication = c.publication;
    request.AutoSize = c.autoSize;
    request.Frame = QMargins(4, 24, 4, 4);  // full-screen styles have none
    const TWindowLayout layout = ComputeWindowLayout(request, Screen(c.autoHide));
    EXPECT_TRUE(layout.Frameless);
    EXPECT_EQ(layout.Client, c.client) << c.style;
    EXPECT_EQ(layout.Window, c.client) << c.style;
    EXPECT_EQ(layout.PageList, c.pageList) << c.style << " " << c.publication.width();
    EXPECT_EQ(layout.Scroll, c.scroll) << c.style << " " << c.publication.width();
  }
}

// A task bar that hides itself leaves the work area the whole monitor; the
// window keeps 2 pixels free on the bar's edge.
TEST(WindowGeometry, AutoHiddenTaskBarPullsTheWorkAreaInByTwoPixels) {
  const QRect monitor(0, 0, 1024, 768);
  const struct {
    TTaskBarEdge edge;
    QRect client;
  } cases[] = {
      {TTaskBarEdge::Bottom, {0, 0, 1024, 766}}, {TTaskBarEdge::Top, {0, 2, 1024, 766}},
      {TTaskBarEdge::Left, {2, 0, 1022, 768}},   {TTaskBarEdge::Right, {0, 0, 1022, 768}},
      {TTaskBarEdge::None, {0, 0, 1024, 768}},
  };
  for (const auto& c : cases) {
    TWindowSizeRequest request;
    request.Style = wsWorkArea;
    request.Publication = QSize(640, 480);
    const TWindowLayout layout = ComputeWindowLayout(request, Screen(c.edge, monitor));
    EXPECT_EQ(layout.Client, c.client) << static_cast<int>(c.edge);
  }
  TWindowSizeRequest request;
  request.Style = wsWorkArea;
  const TWindowLayout bottom = ComputeWindowLayout(request, Screen(TTaskBarEdge::Bottom, monitor));
  EXPECT_EQ(bottom.Window.bottom() + 1, monitor.bottom() + 1 - 2);
}

TEST(WindowGeometry, ReloadKeepsThePosition) {
  TWindowSizeRequest request = Framed(8);
  request.KeepPosition = true;
  EXPECT_EQ(ComputeWindowLayout(request, Screen()).Client.topLeft(), QPoint(50, 60));
}

}  // namespace
}  // namespace orv
