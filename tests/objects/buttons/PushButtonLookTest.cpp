// How push buttons look: library strip frames, state pictures on hover and
// press, bevels and the pressed shift, the accelerator caption, and the
// disabled looks.
#include <gtest/gtest.h>

#include <QColor>
#include <QCursor>
#include <QFile>
#include <QTemporaryDir>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <list>
#include <string>

#include "imaging/BadPictureSymbol.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/buttons/Buttons.h"
#include "objects/buttons/ButtonPage.h"
#include "pages/PictureCache.h"

namespace orv {
namespace {

using test::BandPicture;
using test::BoundsOf;
using test::ButtonPage;
using test::GrabOf;
using test::ObjectLines;
using test::SaveGrab;

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kPageGrey = test::kPageQColor;

QColor System(int index) { return ResolveColour(kSystemColourBase + static_cast<ColourValue>(index)); }
const QColor kFace = System(15);
const QColor kShadow = System(16);

bool Near(const QColor& a, const QColor& b, int tolerance = 1) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// `colour` under the light grey veil of a disabled picture.
QColor Veiled(const QColor& colour) {
  const double a = 165.0 / 255.0;
  auto mix = [a](int c) { return static_cast<int>(std::lround(192 * a + c * (1 - a))); };
  return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

std::string Push(QRect at, std::initializer_list<std::string> keys) { return ObjectLines(3, "B", at, keys); }

TEST(PushButtonLook, ALibraryStripShowsOneThirdOfItselfForEachState) {
  QTemporaryDir dir;
  const std::string strip = BandPicture(dir, "strip.png", 90, 20, {kRed, kGreen, kBlue});
  ButtonPage page(Push(QRect(10, 10, 70, 40),
                       {"ImageStyle=1", "LibImage=" + strip, "UpTransColor=$1FFFFFFF", "BevelWidth=0"}));
  auto* button = page.Find<TOrvalisPushBtn>("B");
  const struct {
    const char* label;
    int state;
    QColor colour;
  } cases[] = {{"up", ovbsUp, kRed}, {"hot", kButtonHot, kGreen}, {"pressed", ovbsDown, kBlue}};
  QRect first;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    button->SetState(c.state);
    const QImage image = GrabOf(*button);
    SaveGrab(image, std::string("strip-") + c.label);
    const QRect shown = BoundsOf(image, [](const QColor& p) { return p == kRed || p == kGreen || p == kBlue; });
    EXPECT_EQ(shown.size(), QSize(30, 20));
    EXPECT_EQ(BoundsOf(image, [&](const QColor& p) { return p == c.colour; }), shown);
    // A strip draws its pressed frame where the others are.
    if (first.isNull()) first = shown;
    EXPECT_EQ(shown, first);
  }
}

TEST(PushButtonLook, StripsThatCannotBeCutInThreeShowNoFrames) {
  QTemporaryDir dir;
  const std::string narrow = BandPicture(dir, "narrow.png", 2, 20, {kRed, kGreen});
  const QString bad = dir.filePath("bad.png");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\x89PNG\r\n\x1a\nthis is no picture at all");
  file.close();

  ButtonPage plain(Push(QRect(10, 10, 70, 40), {"BevelWidth=0"}));
  const QImage nothing = GrabOf(*plain.Find("B"));
  ButtonPage narrowPage(Push(QRect(10, 10, 70, 40), {"ImageStyle=1", "LibImage=" + narrow, "BevelWidth=0"}));
  EXPECT_EQ(GrabOf(*narrowPage.Find("B")), nothing);

  // An undecodable picture shows the bad-picture symbol whole, not a third.
  ButtonPage badPage(
      Push(QRect(10, 10, 70, 40), {"ImageStyle=1", "LibImage=" + bad.toStdString(), "BevelWidth=0", "LineWidth=0"}));
  const QImage image = GrabOf(*badPage.Find("B"));
  SaveGrab(image, "strip-bad");
  EXPECT_EQ(BoundsOf(image, [](const QColor& p) { return p != kFace; }).size(),
            QSize(kBadPictureWidth, kBadPictureHeight));
}

class PushButtonHover : public test::ObjectWindowFixture<> {};

// The state pictures: hot only with an over picture to show; pressed
// falls back from the down picture to the over and the up one.
TEST_F(PushButtonHover, EachStateShowsItsPictureAndHotNeedsAnOverPicture) {
  QTemporaryDir dir;
  const std::string up = BandPicture(dir, "up.png", 20, 20, {kRed});
  const std::string over = BandPicture(dir, "over.png", 20, 20, {kGreen});
  const std::string down = BandPicture(dir, "down.png", 20, 20, {kBlue});
  const struct {
    const char* label;
    bool withOver;
    bool withDown;
    int hoverState;
    QColor hovered;
    QColor pressed;
  } cases[] = {
      {"up only", false, false, ovbsUp, kRed, kRed},
      {"up and over", true, false, kButtonHot, kGreen, kGreen},
      {"all three", true, true, kButtonHot, kGreen, kBlue},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    std::string keys = "ImageStyle=2\r\nUpImage=" + up + "\r\nUpTransColor=$1FFFFFFF";
    if (c.withOver) keys += "\r\nOverImage=" + over + "\r\nOverTransColor=$1FFFFFFF";
    if (c.withDown) keys += "\r\nDownImage=" + down + "\r\nDownTransColor=$1FFFFFFF";
    // Where an earlier test left the platform's pointer, a new window may
    // find it over the button.
    QCursor::setPos(QPoint(5000, 5000));
    ASSERT_TRUE(Open("NewPage=P\r\n" + ObjectLines(3, "B", QRect(40, 40, 80, 40), {keys})));
    auto* button = Find<TOrvalisPushBtn>("B");
    ASSERT_NE(button, nullptr);
    auto shows = [&](const QColor& colour) {
      const QImage image = GrabOf(*button);
      return !BoundsOf(image, [&](const QColor& p) { return p == colour; }).isEmpty();
    };
    MoveTo(QPoint(300, 250));
    EXPECT_TRUE(shows(kRed));
    MoveTo(At(*button));
    EXPECT_EQ(button->State(), c.hoverState);
    EXPECT_TRUE(shows(c.hovered));
    Press(At(*button));
    EXPECT_TRUE(shows(c.pressed));
    Release(At(*button));
    EXPECT_EQ(button->State(), c.hoverState);
    MoveTo(QPoint(300, 250));
    EXPECT_EQ(button->State(), ovbsUp);
  }
}

TEST(PushButtonLook, BevelsRaiseTheButtonAndSinkItWhenPressed) {
  const QRect at(10, 10, 60, 30);
  const struct {
    const char* label;
    int lineWidth;
    bool down;
    QPoint topLeft;  // inside the outline
    QColor topLeftColour;
    QColor bottomRightColour;
  } cases[] = {
      {"no outline, up", 0, false, {0, 0}, Qt::white, kShadow},
      {"no outline, pressed", 0, true, {0, 0}, kShadow, Qt::white},
      {"outline, up", 1, false, {1, 1}, Qt::white, kShadow},
      {"outline, pressed", 1, true, {1, 1}, kShadow, kFace},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ButtonPage page(Push(at, {"LineWidth=" + std::to_string(c.lineWidth), "BevelWidth=2"}));
    auto* button = page.Find("B");
    button->SetState(c.down ? ovbsDown : ovbsUp);
    const QImage image = GrabOf(*button);
    SaveGrab(image, std::string("bevel-") + c.label);
    const QPoint bottomRight(at.width() - 1 - c.topLeft.x(), at.height() - 1 - c.topLeft.y());
    for (const QPoint& p : {c.topLeft, c.topLeft + QPoint(1, 1), c.topLeft + QPoint(10, 1), c.topLeft + QPoint(1, 10)})
      EXPECT_EQ(image.pixelColor(p), c.topLeftColour) << p.x() << "," << p.y();
    for (const QPoint& p : {bottomRight, bottomRight - QPoint(1, 1), bottomRight - QPoint(10, 1)})
      EXPECT_EQ(image.pixelColor(p), c.bottomRightColour) << p.x() << "," << p.y();
  }
}

TEST(PushButtonLook, PressingShiftsTheContent) {
  const struct {
    const char* label;
    std::initializer_list<std::string> keys;
    QPoint shift;
  } cases[] = {
      {"flat", {"BevelWidth=0"}, {1, 1}},
      {"flat, no depress effect", {"BevelWidth=0", "DepressEffect=No"}, {0, 0}},
      {"bevel without outline", {"BevelWidth=2", "LineWidth=0"}, {1, 1}},
      {"bevel inside an outline", {"BevelWidth=3", "LineWidth=1"}, {3, 3}},
  };
  auto isText = [](const QColor& p) { return p.red() > 150 && p.green() < 100 && p.blue() < 100; };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    std::vector<std::string> keys(c.keys);
    keys.push_back("Text=Go");
    keys.push_back("TextColor=$0000FF");
    std::string lines = ObjectLines(3, "B", QRect(10, 10, 80, 40));
    for (const std::string& key : keys) lines += key + "\r\n";
    ButtonPage page(lines);
    auto* button = page.Find("B");
    const QRect up = BoundsOf(GrabOf(*button), isText);
    button->SetState(ovbsDown);
    const QRect down = BoundsOf(GrabOf(*button), isText);
    ASSERT_FALSE(up.isEmpty());
    EXPECT_EQ(down, up.translated(c.shift));
  }
}

TEST(PushButtonLook, ACaretMarksTheUnderlinedLetterAndAnAmpersandShowsItself) {
  auto grab = [](const std::string& caption, std::string* prepared) {
    ButtonPage page(Push(QRect(0, 0, 160, 30), {"Text=" + caption, "BevelWidth=0", "LineWidth=0"}));
    auto* button = page.Find("B");
    *prepared = button->PreparedCaption();
    return GrabOf(*button);
  };
  std::string marked, plain;
  const QImage withCaret = grab("Save ^As & Close", &marked);
  const QImage without = grab("Save As & Close", &plain);
  SaveGrab(withCaret, "caption-accelerator");
  EXPECT_EQ(marked, "Save &As && Close");
  EXPECT_EQ(plain, "Save As && Close");
  // The two differ only by a short underline below one letter.
  ASSERT_EQ(withCaret.size(), without.size());
  QRect differ;
  for (int y = 0; y < without.height(); ++y)
    for (int x = 0; x < without.width(); ++x)
      if (withCaret.pixel(x, y) != without.pixel(x, y)) differ |= QRect(x, y, 1, 1);
  const QRect text = BoundsOf(without, [](const QColor& p) { return p.lightness() < 100; });
  ASSERT_FALSE(differ.isEmpty());
  EXPECT_LE(differ.height(), 2);
  EXPECT_GE(differ.top(), text.bottom() - 3);
  EXPECT_GT(differ.left(), text.left() + text.width() / 5);  // after "Save "
  EXPECT_LT(differ.width(), text.width() / 5);
}

TEST(PushButtonLook, DisabledOpaqueButtonIsVeiledWhole) {
  ButtonPage page(Push(QRect(10, 10, 60, 30), {"Text=Off"}));
  auto* button = page.Find("B");
  const QImage enabled = GrabOf(*button);
  button->SetEnabledState(false);
  const QImage disabled = GrabOf(*button);
  SaveGrab(disabled, "disabled-opaque");
  for (const QPoint& p : {QPoint(0, 0), QPoint(1, 1), QPoint(30, 15), QPoint(58, 28)})
    EXPECT_TRUE(Near(disabled.pixelColor(p), Veiled(enabled.pixelColor(p)))) << p.x() << "," << p.y();
}

// A transparent button without an outline is grayed: only its picture is
// veiled, through the picture's alpha; a picture clipped to its
// non-transparent pixels veils the whole button.
TEST(PushButtonLook, AGrayedButtonVeilsItsPicture) {
  QTemporaryDir dir;
  const std::string opaque = BandPicture(dir, "opaque.png", 20, 20, {kRed});
  const std::string halfClear = BandPicture(dir, "alpha.png", 20, 20, {QColor(0, 0, 0, 0), kRed}, true);
  const std::string keyed = BandPicture(dir, "keyed.png", 20, 20, {kGreen, kRed});
  const struct {
    const char* label;
    std::string picture;
    const char* transparent;
    QColor leftHalf;  // of the picture
    QColor beside;    // the button beside the picture
  } cases[] = {
      {"opaque picture", opaque, "$1FFFFFFF", Veiled(kRed), kPageGrey},
      {"picture with alpha", halfClear, "$1FFFFFFF", kPageGrey, kPageGrey},
      {"picture keyed by its corner", keyed, "$20000000", Veiled(kPageGrey), Veiled(kPageGrey)},
  };
  const QRect at(10, 10, 60, 40);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ButtonPage page(Push(at, {"ImageStyle=2", "UpImage=" + c.picture, std::string("UpTransColor=") + c.transparent,
                              "FillPattern=1", "LineWidth=0", "BevelWidth=0", "Enabled=No"}));
    const QImage image = page.Page().grab(at).toImage().convertToFormat(QImage::Format_RGB32);
    SaveGrab(image, std::string("grayed-") + c.label);
    const QPoint pictureAt((at.width() - 20) / 2, (at.height() - 20) / 2);
    EXPECT_TRUE(Near(image.pixelColor(pictureAt + QPoint(3, 10)), c.leftHalf)) << image.pixelColor(pictureAt + QPoint(3, 10)).name().toStdString();
    EXPECT_TRUE(Near(image.pixelColor(pictureAt + QPoint(16, 10)), Veiled(kRed)));
    EXPECT_TRUE(Near(image.pixelColor(QPoint(2, 2)), c.beside)) << image.pixelColor(QPoint(2, 2)).name().toStdString();
  }
}

TEST(PushButtonLook, ShowingTheUpPictureLoadsTheOthersUnheld) {
  QTemporaryDir dir;
  const std::string up = BandPicture(dir, "up.png", 20, 20, {kRed});
  const std::string over = BandPicture(dir, "over.png", 20, 20, {kGreen});
  const std::string down = BandPicture(dir, "down.png", 20, 20, {kBlue});
  ButtonPage page(Push(QRect(10, 10, 60, 40), {"ImageStyle=2", "UpImage=" + up, "OverImage=" + over,
                                               "DownImage=" + down}));
  GrabOf(*page.Find("B"));
  const std::list<std::string> cached = PictureCache().Names();
  for (const std::string& name : {over, down}) {
    EXPECT_NE(std::find(cached.begin(), cached.end(), name), cached.end()) << name;
    const AcquiredPicture picture = PictureCache().AcquirePictureUnheld(name);
    ASSERT_TRUE(picture);
    EXPECT_EQ(PictureCache().HoldCount(picture.picture.get()), 0) << name;
  }
}

// Printing hands the button a bigger canvas and a scale: the picture is
// stretched by it, and the check box's box grows with it.
TEST(PushButtonLook, PrintingScalesThePictureAndTheBox) {
  QTemporaryDir dir;
  const std::string up = BandPicture(dir, "up.png", 20, 10, {kRed});
  ButtonPage page(Push(QRect(10, 10, 60, 40), {"ImageStyle=2", "UpImage=" + up, "UpTransColor=$1FFFFFFF"}) +
                  ObjectLines(12, "C", QRect(10, 60, 60, 20), {"InitState=1"}));
  for (const double scale : {1.0, 2.0, 3.0}) {
    SCOPED_TRACE(scale);
    auto paint = [&](TOrvalisButton& button) {
      const QSize size(static_cast<int>(button.width() * scale), static_cast<int>(button.height() * scale));
      QImage image(size, QImage::Format_RGB32);
      image.fill(Qt::magenta);
      QPainter painter(&image);
      button.PaintButton(painter, image.rect(), true, static_cast<int>(96 * scale), scale);
      return image;
    };
    const QImage push = paint(*page.Find("B"));
    EXPECT_EQ(BoundsOf(push, [](const QColor& p) { return p == kRed; }).size(), QSize(20, 10) * scale);
    const QImage box = paint(*page.Find("C"));
    EXPECT_EQ(BoundsOf(box, [](const QColor& p) { return p != QColor(Qt::magenta); }).height(),
              static_cast<int>(13 * scale));
  }
}

TEST(PushButtonLook, ThemedButtonsTakeTheApplicationStyle) {
  ButtonPage page(Push(QRect(10, 10, 90, 30), {"XPTheme=Yes", "Text=Themed"}) +
                  ObjectLines(3, "Plain", QRect(10, 50, 90, 30), {"Text=Plain"}));
  auto* themed = page.Find<TOrvalisPushBtn>("B");
  EXPECT_TRUE(themed->GetIsTransparent());
  EXPECT_EQ(themed->ButtonStyle(), bsStandardBknd);
  EXPECT_FALSE(page.Find<TOrvalisPushBtn>("Plain")->GetIsTransparent());
  const QImage up = page.Page().grab().toImage();
  themed->SetState(ovbsDown);
  const QImage down = page.Page().grab().toImage();
  SaveGrab(up, "themed-up");
  SaveGrab(down, "themed-down");
  EXPECT_NE(up, down);
}

}  // namespace
}  // namespace orv
