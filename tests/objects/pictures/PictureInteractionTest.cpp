// A picture object in a shown window: panning with the mouse and its limits,
// the picture a variable names, and the rules between the fill, scroll bars
// and panning.
#include <gtest/gtest.h>

#include <QCursor>
#include <functional>
#include <string>

#include "objects/ObjectPage.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/pictures/PictureObject.h"
#include "objects/pictures/PictureTestPictures.h"

namespace orv {
namespace {

using test::BoundsOf;
using test::ColourName;
using test::kFillGreen;
using test::kPictureBlue;
using test::kPictureRed;
using test::PictureFolder;
using test::PictureLines;
using test::PixelsNotOf;
using test::Text;

const QRect kPlace(20, 20, 100, 50);

class PictureInteractionTest : public test::ObjectWindowFixture<> {
 protected:
  TOrvalisPicture* OpenPicture(const std::string& file, std::initializer_list<std::string> keys) {
    // The offscreen platform's own cursor, which a test before may have left
    // over the picture, stays away from the window.
    QCursor::setPos(-1000, -1000);
    if (!Open("NewPage=One\r\n" + PictureLines(kPlace, file, keys))) return nullptr;
    return Find<TOrvalisPicture>("Pic");
  }
  QImage Grab(TOrvalisPicture& picture, const char* saveAs = nullptr) {
    QCoreApplication::processEvents();
    QImage image = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (saveAs != nullptr) image.save(QString("/tmp/picture-") + saveAs + ".png");
    return image;
  }
  // One drag over the object by `delta` from a point that leaves room for it.
  void Drag(TOrvalisPicture& picture, QPoint delta) {
    const QPoint from = At(picture, QPoint(delta.x() < 0 ? 95 : 5, delta.y() < 0 ? 45 : 5));
    MoveTo(from);
    Press(from);
    MoveTo(from + delta / 2);
    MoveTo(from + delta);
    Release(from + delta);
  }

  PictureFolder folder_;
};

TEST_F(PictureInteractionTest, PanningMovesThePictureWithTheMouseWithinItsLimits) {
  const struct {
    const char* label;
    QSize picture;
    int zoom;
    int lineWidth;
    TPanOffset limits;  // picture size at zoom + twice the outline - object size, at least 0
  } cases[] = {
      {"wider", {200, 50}, 100, 0, {100, 0}},
      {"zoomed, with an outline", {200, 80}, 150, 2, {204, 74}},
      {"zoomed out to less than the object", {200, 80}, 40, 0, {0, 0}},
      {"smaller", {30, 30}, 100, 3, {0, 0}},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string file =
        folder_.Solid("pan" + std::to_string(n++) + ".png", c.picture.width(), c.picture.height(), kPictureRed);
    auto* picture = OpenPicture(file, {"PictMousePan=Yes", "PictZoomFactor=" + std::to_string(c.zoom),
                                       "LineWidth=" + std::to_string(c.lineWidth)});
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->cursor().shape(), Qt::SizeAllCursor);
    Drag(*picture, {-30, -20});
    EXPECT_EQ(picture->PanOffset().x, std::min<std::int64_t>(30, c.limits.x));
    EXPECT_EQ(picture->PanOffset().y, std::min<std::int64_t>(20, c.limits.y));
    for (int i = 0; i < 4; ++i) Drag(*picture, {-80, -40});
    EXPECT_EQ(picture->PanOffset(), c.limits);
    for (int i = 0; i < 8; ++i) Drag(*picture, {80, 40});
    EXPECT_EQ(picture->PanOffset(), TPanOffset{});
  }
}

TEST_F(PictureInteractionTest, PanningShowsTheOtherPartWhateverTheTransparency) {
  // Red left, blue right: panned to the end, only blue shows.
  const std::string file = folder_.Halves("pan-halves.png", 200, 50, kPictureRed, kPictureBlue);
  QImage withAlpha(200, 50, QImage::Format_ARGB32);
  withAlpha.fill(kPictureBlue);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 100; ++x) withAlpha.setPixelColor(x, y, kPictureRed);
  const std::string alphaFile = folder_.Save("pan-alpha.png", withAlpha);
  const struct {
    const char* label;
    std::string file;
    std::string keys;
  } cases[] = {
      {"opaque", file, "PictStyle=0"},
      {"with a transparent colour", file, "PictTransColor=$FFFFFF"},
      {"with an alpha channel", alphaFile, "PictStyle=0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    auto* picture = OpenPicture(c.file, {"PictMousePan=Yes", c.keys});
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(PixelsNotOf(Grab(*picture), picture->rect(), kPictureRed), 0);
    Drag(*picture, {-60, 0});
    const QImage half = Grab(*picture, c.label == std::string("opaque") ? "panned" : nullptr);
    EXPECT_EQ(Text(BoundsOf(half, kPictureRed)), Text(QRect(0, 0, 40, 50)));
    Drag(*picture, {-60, 0});
    EXPECT_EQ(PixelsNotOf(Grab(*picture), picture->rect(), kPictureBlue), 0);
  }
}

TEST_F(PictureInteractionTest, NewPictureStartsUnpanned) {
  const std::string red = folder_.Solid("first.png", 200, 50, kPictureRed);
  const std::string blue = folder_.Halves("second.png", 200, 50, kPictureBlue, kPictureRed);
  auto* picture = OpenPicture(red, {"PictMousePan=Yes"});
  ASSERT_NE(picture, nullptr);
  Drag(*picture, {-60, 0});
  ASSERT_EQ(picture->PanOffset().x, 60);
  picture->SetImageFile(blue);
  EXPECT_EQ(picture->PanOffset(), TPanOffset{});
  EXPECT_EQ(PixelsNotOf(Grab(*picture), picture->rect(), kPictureBlue), 0);
}

TEST_F(PictureInteractionTest, PictureNamedByAVariableFollowsIt) {
  const std::string red = folder_.Solid("var-red.png", 30, 20, kPictureRed);
  const std::string blue = folder_.Solid("var-blue.png", 40, 10, kPictureBlue);
  vars.SetVar("[Pic]", red);
  auto* picture = OpenPicture("[Pic]", {});
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(Text(BoundsOf(Grab(*picture), kPictureRed)), Text(QRect(0, 0, 30, 20)));
  vars.SetVar("[Pic]", blue);
  EXPECT_EQ(picture->ImageWidth(), 40);
  EXPECT_EQ(picture->ResolvedFileName(), blue);
  const QImage image = Grab(*picture, "variable");
  EXPECT_EQ(Text(BoundsOf(image, kPictureBlue)), Text(QRect(0, 0, 40, 10)));
  EXPECT_TRUE(BoundsOf(image, kPictureRed).isEmpty());
  // A name that leads nowhere leaves the object's own fill.
  vars.SetVar("[Pic]", folder_.Path("none.png"));
  EXPECT_FALSE(picture->FileExists());
  EXPECT_EQ(PixelsNotOf(Grab(*picture), picture->rect(), kFillGreen), 0);
}

TEST_F(PictureInteractionTest, ScrollBarsAndPanningKeepTheObjectOpaque) {
  using Action = std::function<void(TOrvalisPicture&)>;
  const struct {
    const char* label;
    std::string keys;
    Action act;
    int pattern;
    bool fillMode;
    bool transparent;
  } cases[] = {
      {"hollow fill, then scroll bars", "FillPattern=1\r\nScrollBar=Yes", nullptr, 0, false, false},
      {"hollow fill, then panning", "FillPattern=1\r\nPictMousePan=Yes", nullptr, 0, false, false},
      {"panning, then hollow fill", "PictMousePan=Yes\r\nFillPattern=1", nullptr, 0, false, false},
      {"scroll bars, then fill mode", "ScrollBar=Yes\r\nFillPattern=7\r\nFillMode=Yes", nullptr, 7, false, false},
      {"fill mode, then panning", "FillPattern=7\r\nFillMode=Yes\r\nPictMousePan=Yes", nullptr, 7, false, false},
      {"hollow without either", "FillPattern=1", nullptr, 1, false, true},
      {"set at run time", "FillPattern=1", [](TOrvalisPicture& p) { p.SetMouseScrollable(true); }, 0, false, false},
      {"pattern 1 refused at run time", "ScrollBar=Yes",
       [](TOrvalisPicture& p) {
         p.SetFillPattern(1);
         p.SetTransparent(true);
       },
       0, false, false},
      {"free again once both are off", "ScrollBar=Yes",
       [](TOrvalisPicture& p) {
         p.SetScrollBars(false);
         p.SetFillPattern(1);
       },
       1, false, true},
  };
  const std::string file = folder_.Solid("fill.png", 10, 10, kPictureRed);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    auto* picture = OpenPicture(file, {c.keys});
    ASSERT_NE(picture, nullptr);
    if (c.act) c.act(*picture);
    EXPECT_EQ(picture->FillPattern(), c.pattern);
    EXPECT_EQ(picture->Transparent(), c.fillMode);
    EXPECT_EQ(picture->GetIsTransparent(), c.transparent);
  }
}

TEST_F(PictureInteractionTest, OpacityAndZoomAreKeptInRange) {
  auto* picture = OpenPicture(folder_.Solid("range.png", 10, 10, kPictureRed), {});
  ASSERT_NE(picture, nullptr);
  const struct {
    int set;
    int opacity;
    int zoom;
  } cases[] = {{0, 1, 10}, {-5, 1, 10}, {128, 128, 128}, {256, 255, 256}, {-400, 1, 400}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.set);
    picture->SetOpacity(c.set);
    picture->SetZoomFactor(c.set);
    EXPECT_EQ(picture->Opacity(), c.opacity);
    EXPECT_EQ(picture->ZoomFactor(), c.zoom);
  }
}

}  // namespace
}  // namespace orv
