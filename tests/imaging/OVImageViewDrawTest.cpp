// Drawing a picture with an opacity, at natural size or stretched, smooth or
// not, looked at pixel by pixel on a white canvas.
#include <gtest/gtest.h>

#include <QPainter>
#include <cstdlib>
#include <functional>

#include "imaging/BadPictureSymbol.h"
#include "imaging/OVImageView.h"

namespace orv {
namespace {

QImage WhiteCanvas(int w, int h) {
  QImage canvas(w, h, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  return canvas;
}

QImage Canvas(int w, int h, const std::function<void(QPainter&)>& draw) {
  QImage canvas = WhiteCanvas(w, h);
  QPainter painter(&canvas);
  draw(painter);
  return canvas;
}

TOVImageView Solid(QColor colour, int w = 4, int h = 4) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(colour);
  TOVImageView view;
  view.Assign(colour.alpha() == 255 ? image.convertToFormat(QImage::Format_RGB32) : image);
  return view;
}

// A 2 x 2 checker: black at top-left and bottom-right.
TOVImageView Checker() {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(0, 0, 0));
  image.setPixel(1, 1, qRgb(0, 0, 0));
  image.setPixel(1, 0, qRgb(255, 255, 255));
  image.setPixel(0, 1, qRgb(255, 255, 255));
  TOVImageView view;
  view.Assign(image);
  return view;
}

void ExpectNear(QRgb actual, QRgb expected) {
  EXPECT_NEAR(qRed(actual), qRed(expected), 2);
  EXPECT_NEAR(qGreen(actual), qGreen(expected), 2);
  EXPECT_NEAR(qBlue(actual), qBlue(expected), 2);
}

TEST(OVImageViewDraw, OpacityBlendsAndTwoHundredFiftySixIgnoresAlpha) {
  const TOVImageView opaqueRed = Solid(QColor(255, 0, 0));
  const TOVImageView halfRed = Solid(QColor(255, 0, 0, 128));
  ASSERT_TRUE(halfRed.HasAlpha());
  struct Case {
    const char* what;
    const TOVImageView* view;
    int opacity;
    QRgb expected;
  };
  const Case cases[] = {
      {"opaque", &opaqueRed, 255, qRgb(255, 0, 0)},
      {"half", &opaqueRed, 128, qRgb(255, 127, 127)},
      {"faintest", &opaqueRed, 1, qRgb(255, 254, 254)},
      {"256 without alpha", &opaqueRed, 256, qRgb(255, 0, 0)},
      {"alpha picture", &halfRed, 255, qRgb(255, 127, 127)},
      {"alpha picture at half", &halfRed, 128, qRgb(255, 191, 191)},
      {"alpha ignored", &halfRed, 256, qRgb(255, 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QImage at = Canvas(8, 8, [&](QPainter& p) { c.view->DrawAt(p, c.opacity, QPoint(2, 2)); });
    ExpectNear(at.pixel(3, 3), c.expected);
    EXPECT_EQ(at.pixel(1, 1), qRgb(255, 255, 255));  // outside the picture
    EXPECT_EQ(at.pixel(6, 6), qRgb(255, 255, 255));
    const QImage stretched =
        Canvas(8, 8, [&](QPainter& p) { c.view->DrawStretched(p, true, c.opacity, QRect(0, 0, 8, 8)); });
    ExpectNear(stretched.pixel(4, 4), c.expected);
  }
}

TEST(OVImageViewDraw, OpacityComesOnTopOfThePaintersOwn) {
  const QImage canvas = Canvas(4, 4, [](QPainter& p) {
    p.setOpacity(0.5);
    Solid(QColor(255, 0, 0)).DrawAt(p, 128, QPoint(0, 0));
  });
  ExpectNear(canvas.pixel(1, 1), qRgb(255, 191, 191));
}

TEST(OVImageViewDraw, StretchingIsNearestNeighbourUnlessResampled) {
  const TOVImageView checker = Checker();
  const QImage plain = Canvas(8, 8, [&](QPainter& p) { checker.DrawStretched(p, false, 255, QRect(0, 0, 8, 8)); });
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool black = (x < 4) == (y < 4);
      EXPECT_EQ(plain.pixel(x, y), black ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << x << "," << y;
    }

  const QImage smooth = Canvas(8, 8, [&](QPainter& p) { checker.DrawStretched(p, true, 255, QRect(0, 0, 8, 8)); });
  // Next to the seam the colours mix.
  for (int x : {3, 4}) {
    const int grey = qGreen(smooth.pixel(x, 1));
    EXPECT_GT(grey, 20) << x;
    EXPECT_LT(grey, 235) << x;
  }
  EXPECT_EQ(smooth.pixel(0, 0), qRgb(0, 0, 0));  // corners stay pure
  EXPECT_EQ(smooth.pixel(7, 0), qRgb(255, 255, 255));
}

TEST(OVImageViewDraw, TheBadPictureIsNeverSmoothed) {
  TOVImageView bad;
  ASSERT_FALSE(bad.LoadFromStream(QByteArray("garbage"), "x.png"));
  const QRect target(0, 0, 3 * kBadPictureWidth, 3 * kBadPictureHeight);
  const QImage smooth = Canvas(target.width(), target.height(),
                               [&](QPainter& p) { bad.DrawStretched(p, true, 255, target); });
  const QImage plain = Canvas(target.width(), target.height(),
                              [&](QPainter& p) { bad.DrawStretched(p, false, 255, target); });
  EXPECT_EQ(smooth, plain);
  EXPECT_EQ(bad.ResampleTo(target.width(), target.height()),
            BadPictureSymbol().scaled(target.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

TEST(OVImageViewDraw, ResampleToGivesASmoothCopyOfTheRequestedSize) {
  const TOVImageView checker = Checker();
  const QImage copy = checker.ResampleTo(8, 6);
  ASSERT_EQ(copy.size(), QSize(8, 6));
  int mixed = 0;
  for (int x = 0; x < 8; ++x)
    if (qGreen(copy.pixel(x, 1)) > 20 && qGreen(copy.pixel(x, 1)) < 235) ++mixed;
  EXPECT_GT(mixed, 0);
  EXPECT_TRUE(checker.ResampleTo(0, 5).isNull());
  EXPECT_TRUE(checker.ResampleTo(100000, 100000).isNull());
}

}  // namespace
}  // namespace orv
