#pragma once
// The flash that shows where Find found a caption or an item: the
// rectangle of the page inverted and restored, eight inversions 50 ms
// apart, through an overlay over the page, so the objects beneath are
// neither repainted nor touched and the event loop runs on meanwhile.
#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>

namespace orv {

class TFindFlash : public QWidget {
 public:
  static constexpr int kInversions = 8;
  static constexpr int kIntervalMs = 50;

  // Inverts `rect` of `page` at once; the rest follow on the timer, and
  // the overlay deletes itself after the last.
  TFindFlash(QWidget& page, const QRect& rect);

  // One inversion (the timer's step; tests call it themselves).
  void Step();
  int Inversions() const { return inversions_; }
  bool Inverted() const { return isVisible(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage inverted_;
  QTimer timer_;
  int inversions_ = 0;
};

}  // namespace orv
