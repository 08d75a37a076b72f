#include "pages/BackgroundPainting.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cstdlib>

#include "imaging/OVImageView.h"
#include "pages/PictureFiles.h"

namespace orv {
namespace {

using testing::PatternImage;

const QRgb kUntouched = qRgb(1, 2, 3);

QImage Canvas(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kUntouched);
  return image;
}

TOVImageView Picture(const QImage& image) {
  TOVImageView view;
  view.Assign(image);
  return view;
}

TEST(BackgroundGradient, BlackToWhiteOver255RowsGivesGreyNOnRowN) {
  QImage canvas = Canvas(3, 255);
  QPainter painter(&canvas);
  PaintGradient(painter, QRect(0, 0, 3, 255), RgbColour(0, 0, 0), RgbColour(255, 255, 255), G_Vert);
  painter.end();
  for (int y = 0; y < 255; ++y)
    for (int x = 0; x < 3; ++x) ASSERT_EQ(canvas.pixel(x, y), qRgb(y, y, y)) << x << "," << y;
}

TEST(BackgroundGradient, HorizontalRunsOverColumnsInsideTheArea) {
  QImage canvas = Canvas(60, 4);
  QPainter painter(&canvas);
  // 51 columns from blue to black, starting at x = 5: one step of 5 a column.
  PaintGradient(painter, QRect(5, 1, 51, 2), RgbColour(0, 0, 255), RgbColour(0, 0, 0), G_Horz);
  painter.end();
  for (int x = 0; x < 51; ++x) EXPECT_EQ(canvas.pixel(5 + x, 1), qRgb(0, 0, 255 - 5 * x)) << x;
  EXPECT_EQ(canvas.pixel(4, 1), kUntouched);
  EXPECT_EQ(canvas.pixel(56, 1), kUntouched);
  EXPECT_EQ(canvas.pixel(10, 0), kUntouched);
  EXPECT_EQ(canvas.pixel(10, 3), kUntouched);
}

TEST(BackgroundGradient, SmallerDifferenceArrivesEarlyThenSwingsByAtMostOneStep) {
  const int rows = 300;
  QImage canvas = Canvas(1, rows);
  QPainter painter(&canvas);
  PaintGradient(painter, QRect(0, 0, 1, rows), RgbColour(0, 0, 0), RgbColour(200, 20, 0), G_Vert);
  painter.end();
  // The step is 200 / 300 for both red and green.
  int arrived = -1;
  int previousRed = -1;
  for (int y = 0; y < rows; ++y) {
    const QRgb p = canvas.pixel(0, y);
    EXPECT_GE(qRed(p), previousRed) << y;
    previousRed = qRed(p);
    if (arrived < 0 && qGreen(p) >= 20) arrived = y;
    if (arrived >= 0) {
      EXPECT_LE(std::abs(qGreen(p) - 20), 1) << y;
    } else {
      EXPECT_EQ(qGreen(p), qRed(p)) << y;  // same step as red
    }
  }
  EXPECT_NEAR(arrived, 30, 1);
  EXPECT_NEAR(previousRed, 199, 1);
}

TEST(BackgroundGradient, EqualColoursFillPlainly) {
  QImage canvas = Canvas(4, 4);
  QPainter painter(&canvas);
  PaintGradient(painter, QRect(0, 0, 4, 4), 0x8000000F, RgbColour(240, 240, 240), G_Vert);
  painter.end();
  EXPECT_EQ(canvas.pixel(0, 0), qRgb(240, 240, 240));
  EXPECT_EQ(canvas.pixel(3, 3), qRgb(240, 240, 240));
}

TEST(BackgroundWallpaper, TilesFromTheAreaTopLeftRowByRow) {
  const QImage tile = PatternImage(3, 2);
  const TOVImageView picture = Picture(tile);
  QImage canvas = Canvas(30, 20);
  QPainter painter(&canvas);
  const QRect area(10, 5, 8, 5);
  PaintWallpaper(painter, area, &picture, wsTile, RgbColour(9, 9, 9));
  painter.end();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) {
      const QRgb expected = area.contains(x, y) ? tile.pixel((x - 10) % 3, (y - 5) % 2) : kUntouched;
      ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
    }
}

TEST(BackgroundWallpaper, TilesAreScaledWhenPaintingAtAScale) {
  const QImage tile = PatternImage(2, 2);
  const TOVImageView picture = Picture(tile);
  QImage canvas = Canvas(8, 8);
  QPainter painter(&canvas);
  PaintWallpaper(painter, QRect(0, 0, 8, 8), &picture, wsTile, 0, 2.0, 2.0);
  painter.end();
  EXPECT_EQ(canvas.pixel(0, 0), tile.pixel(0, 0));
  EXPECT_EQ(canvas.pixel(1, 1), tile.pixel(0, 0));
  EXPECT_EQ(canvas.pixel(2, 0), tile.pixel(1, 0));
  EXPECT_EQ(canvas.pixel(4, 4), tile.pixel(0, 0));
  EXPECT_EQ(canvas.pixel(7, 6), tile.pixel(1, 1));
}

TEST(BackgroundWallpaper, CentresWithEachHalfTruncatedAndFillsTheRest) {
  // Area 4 wide, picture 3: 4/2 - 3/2 = 1 (not (4-3)/2 = 0).
  const QImage small = PatternImage(3, 3, 100);
  const TOVImageView picture = Picture(small);
  QImage canvas = Canvas(10, 10);
  QPainter painter(&canvas);
  const QRect area(2, 2, 4, 4);
  PaintWallpaper(painter, area, &picture, wsCenter, RgbColour(0, 255, 0));
  painter.end();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      QRgb expected = kUntouched;
      if (area.contains(x, y)) {
        const int px = x - 3, py = y - 3;
        expected = (px >= 0 && py >= 0) ? small.pixel(px, py) : qRgb(0, 255, 0);
      }
      ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
    }
}

TEST(BackgroundWallpaper, CentredPictureLargerThanTheAreaIsClipped) {
  const QImage big = PatternImage(6, 6);
  const TOVImageView picture = Picture(big);
  QImage canvas = Canvas(10, 10);
  QPainter painter(&canvas);
  const QRect area(2, 2, 3, 3);  // 3/2 - 6/2 = -2
  PaintWallpaper(painter, area, &picture, wsCenter, RgbColour(0, 255, 0));
  painter.end();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      // The picture lands at (0, 0) and only the area shows it.
      const QRgb expected = area.contains(x, y) ? big.pixel(x, y) : kUntouched;
      ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
    }
}

TEST(BackgroundWallpaper, StretchesOverTheArea) {
  QImage quad(2, 2, QImage::Format_RGB32);
  quad.setPixel(0, 0, qRgb(255, 0, 0));
  quad.setPixel(1, 0, qRgb(0, 255, 0));
  quad.setPixel(0, 1, qRgb(0, 0, 255));
  quad.setPixel(1, 1, qRgb(255, 255, 0));
  const TOVImageView picture = Picture(quad);
  QImage canvas = Canvas(10, 10);
  QPainter painter(&canvas);
  PaintWallpaper(painter, QRect(1, 1, 6, 4), &picture, wsStretched, 0);
  painter.end();
  EXPECT_EQ(canvas.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.pixel(3, 2), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.pixel(6, 1), qRgb(0, 255, 0));
  EXPECT_EQ(canvas.pixel(1, 4), qRgb(0, 0, 255));
  EXPECT_EQ(canvas.pixel(6, 4), qRgb(255, 255, 0));
  EXPECT_EQ(canvas.pixel(7, 4), kUntouched);
  EXPECT_EQ(canvas.pixel(6, 5), kUntouched);
}

TEST(BackgroundWallpaper, MissingPictureFillsWithThePageColour) {
  QImage canvas = Canvas(6, 6);
  QPainter painter(&canvas);
  PaintWallpaper(painter, QRect(1, 1, 4, 4), nullptr, wsTile, RgbColour(10, 20, 30));
  painter.end();
  EXPECT_EQ(canvas.pixel(1, 1), qRgb(10, 20, 30));
  EXPECT_EQ(canvas.pixel(4, 4), qRgb(10, 20, 30));
  EXPECT_EQ(canvas.pixel(5, 5), kUntouched);
}

TEST(BackgroundWallpaper, SeeThroughPartsShowThePageColour) {
  QImage glass(2, 2, QImage::Format_ARGB32);
  glass.fill(qRgba(0, 0, 0, 0));
  const TOVImageView picture = Picture(glass);
  ASSERT_TRUE(picture.HasAlpha());
  QImage canvas = Canvas(4, 4);
  QPainter painter(&canvas);
  PaintWallpaper(painter, QRect(0, 0, 4, 4), &picture, wsTile, RgbColour(10, 20, 30));
  painter.end();
  EXPECT_EQ(canvas.pixel(3, 3), qRgb(10, 20, 30));
}

}  // namespace
}  // namespace orv
