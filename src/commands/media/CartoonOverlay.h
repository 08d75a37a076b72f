#pragma once
// Where a cartoon shows: a widget over the page area covering the cartoon's
// whole path, painting nothing but the current frame. The page and its
// objects paint beneath it as they always do, so taking the frame away (or
// the overlay) is all that restoring the background takes; clicks pass
// through to what lies below.
#include <QRect>
#include <QWidget>

namespace orv {

class TCartoonStrip;

class TCartoonOverlay : public QWidget {
 public:
  // Over `area`, above everything in it, covering `cover` (area
  // coordinates; cut to the area). The strip outlives the overlay.
  TCartoonOverlay(QWidget& area, const QRect& cover, const TCartoonStrip& strip);

  // Frame `index` with its top-left at `at` (area coordinates); a frame
  // outside the overlay shows nothing.
  void ShowFrame(int index, QPoint at);
  void HideFrame();
  // Back on top when something was raised over it (a page change).
  void KeepOnTop();

  int FrameIndex() const { return frame_; }
  // The frame's place in overlay coordinates; empty when none shows.
  QRect FramePlace() const { return place_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TCartoonStrip& strip_;
  int frame_ = -1;
  QRect place_;
};

}  // namespace orv
