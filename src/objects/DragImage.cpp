#include "objects/DragImage.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

namespace orv {

TDragImage::TDragImage(QWidget* page, const QImage& picture) : QWidget(page), picture_(picture) {
  resize(picture.size());
  const QImage mask = picture.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskOutColor);
  setMask(QBitmap::fromImage(mask));
  setAttribute(Qt::WA_TransparentForMouseEvents, false);
  raise();
  show();
  grabMouse();
}

TDragImage::~TDragImage() {
  if (QWidget::mouseGrabber() == this) releaseMouse();
}

void TDragImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void TDragImage::mouseMoveEvent(QMouseEvent* event) {
  if (OnMove) OnMove(event->globalPosition().toPoint());
}

void TDragImage::mouseReleaseEvent(QMouseEvent* event) {
  if (OnRelease) OnRelease(event->globalPosition().toPoint(), event->button());
}

}  // namespace orv
