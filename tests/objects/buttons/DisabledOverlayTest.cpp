// The veil over disabled pictures: its colour over what lies beneath, and
// only the opaque pixels of a picture with alpha.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "objects/buttons/DisabledOverlay.h"

namespace orv {
namespace {

// Light grey 192 at 165/255 over `beneath`.
int Veiled(int beneath) { return (192 * 165 + beneath * 90 + 127) / 255; }

TEST(DisabledOverlay, VeilsTheRectangleInLightGrey) {
  for (const int beneath : {0, 255, 128}) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(QColor(beneath, beneath, beneath));
    QPainter painter(&image);
    DrawDisabledOverlay(painter, QRect(2, 2, 5, 5));
    painter.end();
    EXPECT_NEAR(image.pixelColor(4, 4).red(), Veiled(beneath), 1) << beneath;
    EXPECT_EQ(image.pixelColor(8, 8).red(), beneath) << beneath;  // outside
  }
}

TEST(DisabledOverlay, ThroughAnAlphaMaskOnlyOpaquePixelsAreVeiled) {
  QImage mask(4, 1, QImage::Format_ARGB32);
  mask.setPixelColor(0, 0, QColor(0, 0, 0, 0));
  mask.setPixelColor(1, 0, QColor(0, 0, 0, 255));
  mask.setPixelColor(2, 0, QColor(0, 0, 0, 0));
  mask.setPixelColor(3, 0, QColor(0, 0, 0, 255));
  QImage image(4, 1, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  DrawDisabledOverlay(painter, QRect(0, 0, 4, 1), mask);
  painter.end();
  EXPECT_EQ(image.pixelColor(0, 0).red(), 0);
  EXPECT_NEAR(image.pixelColor(1, 0).red(), Veiled(0), 1);
  EXPECT_EQ(image.pixelColor(2, 0).red(), 0);
  EXPECT_NEAR(image.pixelColor(3, 0).red(), Veiled(0), 1);
}

}  // namespace
}  // namespace orv
