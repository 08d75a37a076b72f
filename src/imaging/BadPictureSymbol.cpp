#include "imaging/BadPictureSymbol.h"

#include <QPainter>

namespace orv {

namespace {

QImage DrawSymbol() {
  QImage image(kBadPictureWidth, kBadPictureHeight, QImage::Format_RGB32);
  image.fill(QColor(255, 255, 255));
  QPainter painter(&image);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(0, 0, kBadPictureWidth - 1, kBadPictureHeight - 1);
  painter.setPen(QPen(QColor(208, 0, 0), 2));
  painter.drawLine(5, 5, kBadPictureWidth - 6, kBadPictureHeight - 6);
  painter.drawLine(kBadPictureWidth - 6, 5, 5, kBadPictureHeight - 6);
  return image;
}

}  // namespace

const QImage& BadPictureSymbol() {
  static const QImage symbol = DrawSymbol();
  return symbol;
}

}  // namespace orv
