#include "commands/navigation/FindFlash.h"

#include <QPainter>

namespace orv {

TFindFlash::TFindFlash(QWidget& page, const QRect& rect) : QWidget(&page) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  const QRect area = rect.intersected(page.rect());
  setGeometry(area);
  // What the page shows there now, inverted once: each inversion shows or
  // hides it.
  inverted_ = page.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
  inverted_.invertPixels();
  hide();
  timer_.setInterval(kIntervalMs);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
  Step();
  timer_.start();
}

void TFindFlash::Step() {
  if (inversions_ >= kInversions) return;
  ++inversions_;
  if (inversions_ % 2 == 1) {
    raise();
    show();
  } else {
    hide();
  }
  if (inversions_ >= kInversions) {
    timer_.stop();
    deleteLater();
  }
}

void TFindFlash::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), inverted_);
}

}  // namespace orv
