// How a track bar looks: button frames in the fill colour or stretched
// pictures clipped to their transparent colour, horizontal and vertical,
// the page showing around them, and the veil over a disabled bar.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

#include "objects/ObjectPage.h"
#include "objects/buttons/ButtonPage.h"
#include "objects/buttons/DisabledOverlay.h"
#include "objects/input/TrackBar.h"
#include "pages/Colour.h"

namespace orv {
namespace {

using test::BoundsOf;
using test::kPageQColor;
using test::ObjectLines;
using test::Text;

constexpr ColourValue kFill = 0x00C000;  // green
const QColor kFillQColor(0, 0xC0, 0);
const QColor kMagenta(255, 0, 255);
const std::string kOpaqueThumb = "ThumbTransColor=" + std::to_string(kNoTransparentColour);

QColor System(int index) { return ResolveColour(kSystemColourBase + static_cast<ColourValue>(index)); }

// `colour` with the disabled veil laid over it.
QColor Veiled(const QColor& colour) {
  QImage pixel(1, 1, QImage::Format_RGB32);
  pixel.fill(colour);
  QPainter painter(&pixel);
  DrawDisabledOverlay(painter, pixel.rect());
  painter.end();
  return pixel.pixelColor(0, 0);
}

class TrackBarLook : public ::testing::Test {
 protected:
  // Bars on a 260 x 140 page, their places and keys given.
  void Build(const std::string& lines) {
    page_ = std::make_unique<test::ButtonPage>(lines, test::ButtonPageOptions{.size = QSize(260, 140)});
  }
  TOrvalisTrackBar* Bar(const std::string& name) { return page_->Find<TOrvalisTrackBar>(name); }
  // The page with everything on it; kept as /tmp/trackbar-<name>.png.
  QImage Grab(const std::string& name) {
    const QImage image = page_->Page().grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.save(QString::fromStdString("/tmp/trackbar-" + name + ".png"));
    return image;
  }
  // The part of `image` a bar covers.
  static QImage Part(const QImage& image, const TOrvalisTrackBar& bar) { return image.copy(bar.geometry()); }

  QTemporaryDir dir;
  std::unique_ptr<test::ButtonPage> page_;
};

std::string PlainBar(const std::string& name, QRect at, int orientation, int value) {
  return ObjectLines(16, name, at,
                     {"Min=0", "Max=10", "Align=" + std::to_string(orientation), "InitState=" + std::to_string(value),
                      "FillColor=" + std::to_string(kFill)});
}

TEST_F(TrackBarLook, WithoutPicturesASunkenTrackAndARaisedThumbInTheFillColour) {
  Build(PlainBar("H", QRect(10, 10, 100, 20), slHoriz, 5) + PlainBar("V", QRect(130, 10, 20, 100), slVertical, 7));
  const QImage page = Grab("plain");
  for (const char* name : {"H", "V"}) {
    SCOPED_TRACE(name);
    TOrvalisTrackBar* bar = Bar(name);
    ASSERT_NE(bar, nullptr);
    const QImage image = Part(page, *bar);
    const QRect thumb = bar->ThumbRect();
    const QRect track = bar->TrackRect();
    // The 3-pixel track shows only its frame: the fill is the thumb's face
    // inside its two-pixel frame.
    EXPECT_EQ(Text(BoundsOf(image, [](const QColor& c) { return c == kFillQColor; })),
              Text(thumb.adjusted(2, 2, -2, -2)));
    // Raised thumb: light top-left, dark shadow bottom-right.
    EXPECT_EQ(image.pixelColor(thumb.topLeft()), System(22));
    EXPECT_EQ(image.pixelColor(thumb.bottomRight()), System(21));
    EXPECT_EQ(image.pixelColor(thumb.topLeft() + QPoint(1, 1)), System(20));
    // Sunken track, away from the thumb: shadow top-left, highlight
    // bottom-right.
    EXPECT_EQ(image.pixelColor(track.topLeft()), System(16));
    EXPECT_EQ(image.pixelColor(track.bottomRight()), System(20));
    // Beside both, the page.
    EXPECT_EQ(image.pixelColor(1, 1), kPageQColor);
  }
  // The document's example: 0..10 on 100 pixels with a 10-pixel thumb
  // shows 5 with the thumb at x 45; the vertical bar's minimum is at the
  // bottom, so 7 of 10 lifts its thumb 63 of the 90 pixels it can travel.
  EXPECT_EQ(Text(Bar("H")->ThumbRect()), "45,0 10x20");
  EXPECT_EQ(Text(Bar("V")->ThumbRect()), "0,27 20x10");
}

TEST_F(TrackBarLook, PicturesAreStretchedOverTheirPartsAndClippedToTheirTransparentColour) {
  // The track: magenta left half (its bottom-left pixel, so transparent),
  // blue right half. The thumb: red, narrower than the default, with no
  // transparent colour (by default its own bottom-left red would be).
  const std::string track = test::BandPicture(dir, "track.png", 20, 6, {kMagenta, Qt::blue});
  const std::string thumb = test::BandPicture(dir, "thumb.png", 8, 12, {Qt::red});
  auto pictured = [&](const std::string& name, QRect at, int orientation) {
    return ObjectLines(16, name, at,
                       {"Min=0", "Max=10", "Align=" + std::to_string(orientation), "InitState=2",
                        "TrackImage=" + track, "ThumbImage=" + thumb, kOpaqueThumb});
  };
  Build(pictured("H", QRect(10, 10, 120, 20), slHoriz) + pictured("V", QRect(150, 10, 20, 120), slVertical));
  const QImage page = Grab("pictures");
  for (const char* name : {"H", "V"}) {
    SCOPED_TRACE(name);
    TOrvalisTrackBar* bar = Bar(name);
    ASSERT_NE(bar, nullptr);
    // The pictures' sizes became the parts' sizes.
    EXPECT_EQ(QSize(bar->ThumbWidth(), bar->ThumbHeight()), QSize(8, 12));
    EXPECT_EQ(QSize(bar->TrackWidth(), bar->TrackHeight()), QSize(20, 6));
    const QImage image = Part(page, *bar);
    const QRect thumbRect = bar->ThumbRect();
    EXPECT_EQ(Text(BoundsOf(image, [](const QColor& c) { return c == QColor(Qt::red); })), Text(thumbRect));
    // Stretched over the track: the blue half reaches the far end, the
    // magenta half lets the page through.
    const QRect trackRect = bar->TrackRect();
    const bool vertical = bar->Orientation() == slVertical;
    if (vertical) {
      // 20 by 6 stretched to 20 by 120: the bands stand side by side.
      EXPECT_EQ(image.pixelColor(trackRect.left(), trackRect.top() + 1), kPageQColor);
      EXPECT_EQ(image.pixelColor(trackRect.right(), trackRect.top() + 1), QColor(Qt::blue));
    } else {
      EXPECT_EQ(image.pixelColor(trackRect.right() - 1, trackRect.center().y()), QColor(Qt::blue));
      EXPECT_EQ(image.pixelColor(trackRect.left() + 1, trackRect.center().y()), kPageQColor);
    }
    EXPECT_FALSE(BoundsOf(image, [](const QColor& c) { return c == kMagenta; }).isValid());
  }
}

TEST_F(TrackBarLook, ADisabledBarIsVeiledTrackAndThumb) {
  const std::string thumb = test::BandPicture(dir, "knob.png", 10, 10, {Qt::red});
  Build(PlainBar("Plain", QRect(10, 10, 100, 20), slHoriz, 5) +
        ObjectLines(16, "Pictured", QRect(10, 50, 100, 20), {"InitState=50", "ThumbImage=" + thumb, kOpaqueThumb}) +
        PlainBar("Upright", QRect(130, 10, 20, 100), slVertical, 2));
  for (const char* name : {"Plain", "Pictured", "Upright"}) Bar(name)->SetEnabledState(false);
  const QImage page = Grab("disabled");
  const QImage plain = Part(page, *Bar("Plain"));
  const QRect face = Bar("Plain")->ThumbRect().adjusted(2, 2, -2, -2);
  EXPECT_EQ(plain.pixelColor(face.center()), Veiled(kFillQColor));
  EXPECT_EQ(plain.pixelColor(Bar("Plain")->TrackRect().topLeft()), Veiled(System(16)));
  EXPECT_EQ(plain.pixelColor(1, 1), kPageQColor);  // the page is not veiled
  const QImage pictured = Part(page, *Bar("Pictured"));
  EXPECT_EQ(pictured.pixelColor(Bar("Pictured")->ThumbRect().center()), Veiled(Qt::red));
  const QImage upright = Part(page, *Bar("Upright"));
  EXPECT_EQ(upright.pixelColor(Bar("Upright")->ThumbRect().adjusted(2, 2, -2, -2).center()), Veiled(kFillQColor));
  // Enabled again, the veil goes.
  Bar("Plain")->SetEnabledState(true);
  EXPECT_EQ(Part(Grab("enabled"), *Bar("Plain")).pixelColor(face.center()), kFillQColor);
}

}  // namespace
}  // namespace orv
