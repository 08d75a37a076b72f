// Where and how a picture object draws its picture, seen on the grabbed
// page: every paint mode at several sizes, centring and zooms; opacity and
// transparent colours; tiles; the bad-picture symbol; huge zooms; printing.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QFile>
#include <QPainter>
#include <limits>
#include <optional>
#include <string>

#include "imaging/BadPictureSymbol.h"
#include "objects/ObjectPage.h"
#include "objects/pictures/PictureObject.h"
#include "objects/pictures/PictureTestPictures.h"
#include "pages/PictureCache.h"
#include "pages/PictureCacheSource.h"

namespace orv {
namespace {

using test::BoundsOf;
using test::ColourName;
using test::DocLines;
using test::kFillGreen;
using test::kPictureBlue;
using test::kPictureRed;
using test::ObjectPage;
using test::PictureFolder;
using test::PictureLines;
using test::PixelsNotOf;
using test::Text;

const QColor kPageGrey(128, 128, 128);
constexpr ColourValue kPageGreyValue = 0x808080;

class PicturePaintingTest : public ::testing::Test {
 protected:
  // A page of `pageSize` holding one picture object made of `lines`.
  std::optional<ObjectPage> page_;
  TOrvalisPicture* Build(const std::string& lines, QSize pageSize = QSize(240, 240)) {
    page_.emplace(lines, pageSize);
    page_->Page().SetColor(kPageGreyValue);
    return page_->As<TOrvalisPicture>();
  }
  QImage Grab(const char* saveAs = nullptr) {
    QImage image = page_->Grab();
    if (saveAs != nullptr) image.save(QString("/tmp/picture-") + saveAs + ".png");
    return image;
  }

  PictureFolder folder_;
};

TEST_F(PicturePaintingTest, EachModePlacesThePictureInItsArea) {
  const QRect area(10, 10, 60, 40);
  const struct {
    const char* label;
    QSize picture;
    QRect place;
    int mode;
    bool centred;
    int zoom;
    QRect expected;  // on the page
  } cases[] = {
      {"natural at the top-left", {20, 10}, area, 0, false, 100, {10, 10, 20, 10}},
      {"natural, centred", {20, 10}, area, 0, true, 100, {30, 25, 20, 10}},
      {"odd sizes centred truncate each half", {21, 11}, area, 0, true, 100, {30, 25, 21, 11}},
      {"zoomed in", {20, 10}, area, 0, false, 200, {10, 10, 40, 20}},
      {"zoomed out", {20, 10}, area, 0, false, 50, {10, 10, 10, 5}},
      {"zoomed in, centred", {20, 10}, area, 0, true, 200, {20, 20, 40, 20}},
      {"larger than the area is cut", {100, 80}, area, 0, false, 100, area},
      {"larger than the area is never centred off it", {100, 80}, area, 0, true, 100, area},
      {"stretched", {20, 10}, area, 1, false, 100, area},
      {"stretched ignores zoom and centring", {20, 10}, area, 1, true, 300, area},
      {"fitted, width bound", {200, 100}, {10, 10, 50, 50}, 2, false, 100, {10, 10, 50, 25}},
      {"fitted, centred", {200, 100}, {10, 10, 50, 50}, 2, true, 100, {10, 23, 50, 25}},
      // 61 x 20 / 10 = 30.5, which rounds to the even 30.
      {"fitted, height bound", {20, 10}, {10, 10, 100, 30}, 2, false, 100, {10, 10, 61, 30}},
      {"fitted, height bound, centred", {20, 10}, {10, 10, 100, 30}, 2, true, 100, {30, 10, 61, 30}},
      // 54 x 3 / 4 = 40.5 rounds to 40; 55 would be 41.
      {"fitted grows a small picture", {4, 3}, area, 2, false, 100, {10, 10, 54, 40}},
      {"fitted ignores zoom", {200, 100}, {10, 10, 50, 50}, 2, false, 400, {10, 10, 50, 25}},
      {"tiles cover the area", {20, 10}, area, 3, false, 100, area},
      {"zoomed tiles cover the area", {20, 10}, area, 3, false, 30, area},
      {"horizontal tiles cover the area", {20, 10}, area, 4, false, 100, area},
      {"vertical tiles cover the area", {20, 10}, area, 5, false, 100, area},
      {"automatic: fits, natural", {100, 100}, {10, 10, 200, 200}, 6, false, 100, {10, 10, 100, 100}},
      {"automatic: too wide, fitted", {100, 100}, {10, 10, 50, 200}, 6, false, 100, {10, 10, 50, 50}},
      {"automatic: fits, zoomed", {50, 40}, {10, 10, 200, 200}, 6, false, 200, {10, 10, 100, 80}},
      {"automatic: zoom makes it too large", {60, 60}, {10, 10, 100, 100}, 6, false, 200, {10, 10, 100, 100}},
      {"automatic: fits, centred", {20, 10}, area, 6, true, 100, {30, 25, 20, 10}},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string file =
        folder_.Solid("p" + std::to_string(n++) + ".png", c.picture.width(), c.picture.height(), kPictureRed);
    Build(PictureLines(c.place, file,
                       {"PictStyle=" + std::to_string(c.mode), std::string("Centered=") + (c.centred ? "Yes" : "No"),
                        "PictZoomFactor=" + std::to_string(c.zoom)}));
    const QImage image = Grab(n == 2 ? "centred" : nullptr);
    EXPECT_EQ(Text(BoundsOf(image, kPictureRed)), Text(c.expected));
    // Inside the drawn rectangle nothing else shows.
    EXPECT_EQ(PixelsNotOf(image, c.expected, kPictureRed), 0);
  }
}

TEST_F(PicturePaintingTest, TilesRepeatFromTheAreaTopLeft) {
  // Red left half, blue right half: tile edges show as colour changes.
  const std::string file = folder_.Halves("halves.png", 20, 10, kPictureRed, kPictureBlue);
  const QRect area(10, 10, 70, 45);
  const struct {
    const char* label;
    int mode;
    int zoom;
    int tileW;  // the width each red-blue pair repeats at
    int tileH;  // the height of one tile; 0 when the tile is as high as the area
  } cases[] = {
      {"natural", 3, 100, 20, 10},
      {"zoomed", 3, 150, 30, 15},
      {"horizontal: tiles as high as the area", 4, 100, 20, 0},
      {"vertical: tiles as wide as the area", 5, 100, 70, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Build(
        PictureLines(area, file, {"PictStyle=" + std::to_string(c.mode), "PictZoomFactor=" + std::to_string(c.zoom)}));
    const QImage image = Grab(c.mode == 3 && c.zoom == 100 ? "tiles" : nullptr);
    int wrong = 0;
    std::string first;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const int inTile = (x - area.left()) % c.tileW;
        const QColor expected = inTile < c.tileW / 2 ? kPictureRed : kPictureBlue;
        if (image.pixelColor(x, y) != expected && wrong++ == 0)
          first = std::to_string(x) + "," + std::to_string(y) + " " + ColourName(image.pixelColor(x, y));
      }
    EXPECT_EQ(wrong, 0) << first;
    // Nothing leaks out of the area.
    EXPECT_EQ(Text(BoundsOf(image, kPictureBlue) | BoundsOf(image, kPictureRed)), Text(area));
  }
}

TEST_F(PicturePaintingTest, OpacityBlendsOverTheFillUnlessScrollBarsAreOn) {
  const std::string file = folder_.Solid("half.png", 20, 20, kPictureRed);
  const QRect area(10, 10, 40, 40);
  const struct {
    const char* label;
    int opacity;
    bool scrollBars;
    double share;  // of the picture's colour in the pixel
  } cases[] = {
      {"opaque", 255, false, 1.0},
      {"half", 128, false, 128 / 255.0},
      {"faint", 1, false, 1 / 255.0},
      {"above the range is opaque", 300, false, 1.0},
      {"with scroll bars always opaque", 128, true, 1.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Build(PictureLines(
        area, file,
        {"OpacityEx=" + std::to_string(c.opacity), std::string("ScrollBar=") + (c.scrollBars ? "Yes" : "No")}));
    const QImage image = Grab();
    auto mix = [&](int picture, int fill) { return static_cast<int>(picture * c.share + fill * (1 - c.share) + 0.5); };
    const QColor expected(mix(kPictureRed.red(), kFillGreen.red()), mix(kPictureRed.green(), kFillGreen.green()),
                          mix(kPictureRed.blue(), kFillGreen.blue()));
    EXPECT_TRUE(test::Near(image.pixelColor(15, 15), expected))
        << ColourName(image.pixelColor(15, 15)) << " for " << ColourName(expected);
    // Beside the picture, the fill.
    EXPECT_EQ(ColourName(image.pixelColor(40, 40)), ColourName(kFillGreen));
  }
}

TEST_F(PicturePaintingTest, TransparentColourLetsTheFillShowThrough) {
  // A white frame one pixel wide around a red centre; the bottom-left pixel
  // is white, so the automatic colour is white too.
  QImage framed(6, 6, QImage::Format_RGB32);
  framed.fill(Qt::white);
  for (int y = 1; y < 5; ++y)
    for (int x = 1; x < 5; ++x) framed.setPixelColor(x, y, kPictureRed);
  const std::string file = folder_.Save("framed.png", framed);
  const QRect area(10, 10, 60, 60);
  const struct {
    const char* label;
    std::string keys;
    QRect red;        // where red shows
    bool whiteShows;  // the frame is drawn
  } cases[] = {
      {"no transparent colour", "PictStyle=0", {11, 11, 4, 4}, true},
      {"white", "PictTransColor=$FFFFFF", {11, 11, 4, 4}, false},
      {"automatic", "PictTransColor=$20000000", {11, 11, 4, 4}, false},
      {"another colour keeps white", "PictTransColor=$0000FF", {11, 11, 4, 4}, true},
      {"stretched", "PictTransColor=$FFFFFF\r\nPictStyle=1", {20, 20, 40, 40}, false},
      {"zoomed", "PictTransColor=$FFFFFF\r\nPictZoomFactor=500", {15, 15, 20, 20}, false},
      {"tiled", "PictTransColor=$FFFFFF\r\nPictStyle=3", {11, 11, 58, 58}, false},
      {"with scroll bars the colour is drawn", "PictTransColor=$FFFFFF\r\nScrollBar=Yes", {11, 11, 4, 4}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Build(PictureLines(area, file, {c.keys}));
    const QImage image = Grab(std::string(c.label) == "zoomed" ? "transparent-zoomed" : nullptr);
    EXPECT_EQ(Text(BoundsOf(image, kPictureRed)), Text(c.red));
    EXPECT_EQ(BoundsOf(image, Qt::white).isEmpty(), !c.whiteShows);
  }
}

TEST_F(PicturePaintingTest, AlphaChannelBlendsWithTheFill) {
  QImage alpha(10, 10, QImage::Format_ARGB32);
  alpha.fill(QColor(220, 20, 30, 0));
  for (int x = 0; x < 5; ++x)
    for (int y = 0; y < 10; ++y) alpha.setPixelColor(x, y, QColor(220, 20, 30, 255));
  const std::string file = folder_.Save("alpha.png", alpha);
  Build(PictureLines({10, 10, 40, 40}, file, {"PictStyle=0"}));
  const QImage image = Grab();
  EXPECT_EQ(Text(BoundsOf(image, kPictureRed)), Text(QRect(10, 10, 5, 10)));
  EXPECT_EQ(ColourName(image.pixelColor(17, 15)), ColourName(kFillGreen));
}

TEST_F(PicturePaintingTest, MissingPictureDrawsOnlyTheObject) {
  auto* picture = Build(PictureLines({10, 10, 40, 40}, folder_.Path("absent.png"), {"LineWidth=2"}));
  ASSERT_NE(picture, nullptr);
  const QImage image = Grab();
  EXPECT_FALSE(picture->FileExists());
  EXPECT_EQ(PixelsNotOf(image, {12, 12, 36, 36}, kFillGreen), 0);
  EXPECT_EQ(ColourName(image.pixelColor(10, 10)), "#000000");  // the outline
}

// Pixels around `at` that differ from the bad-picture symbol's.
int SymbolMismatches(const QImage& image, QPoint at) {
  const QImage& symbol = BadPictureSymbol();
  int wrong = 0;
  for (int y = 0; y < symbol.height(); ++y)
    for (int x = 0; x < symbol.width(); ++x)
      if (image.pixel(at.x() + x, at.y() + y) != symbol.pixel(x, y)) ++wrong;
  return wrong;
}

// A package whose directory claims sizes the pictures may not have.
class ClaimingEntries : public PictureEntrySource {
 public:
  ReadResult ReadEntry(std::string_view name, std::string& bytes) override {
    if (name != "claims.png") return ReadResult::NoEntry;
    bytes = "not a picture";
    return ReadResult::Ok;
  }
  std::optional<PictureEntryInfo> EntryPictureInfo(std::string_view name) override {
    if (name != "claims.png") return std::nullopt;
    return PictureEntryInfo{claimedWidth, claimedHeight, false};
  }
  int claimedWidth = 0;
  int claimedHeight = 0;
};

class PictureEntriesTest : public PicturePaintingTest {
 protected:
  void SetUp() override {
    previous_ = PictureCache().EntrySource();
    PictureCache().SetEntrySource(&entries_);
  }
  void TearDown() override { PictureCache().SetEntrySource(previous_); }

  ClaimingEntries entries_;
  PictureEntrySource* previous_ = nullptr;
};

TEST_F(PictureEntriesTest, PictureWithoutPixelsOneWayShowsTheBadPictureSymbol) {
  const QImage& symbol = BadPictureSymbol();
  // An area of the symbol's size: every mode draws it there at its own size.
  const QRect area(10, 10, symbol.width(), symbol.height());
  const struct {
    int width;
    int height;
    int mode;
  } cases[] = {{0, 10, 2}, {10, 0, 2}, {0, 0, 2}, {0, 10, 0}, {0, 10, 6}, {10, 0, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " mode " + std::to_string(c.mode));
    entries_.claimedWidth = c.width;
    entries_.claimedHeight = c.height;
    auto* picture = Build(PictureLines(area, "claims.png", {"PictStyle=" + std::to_string(c.mode)}));
    ASSERT_NE(picture, nullptr);
    const QImage image = Grab(c.mode == 2 && c.width == 0 && c.height == 10 ? "bad" : nullptr);
    EXPECT_TRUE(picture->FileExists());
    EXPECT_EQ(picture->ImageWidth(), symbol.width());
    EXPECT_EQ(picture->ImageHeight(), symbol.height());
    EXPECT_EQ(SymbolMismatches(image, area.topLeft()), 0);
  }
}

TEST_F(PicturePaintingTest, UndecodablePicturesShowTheBadPictureSymbolAndOthersNothing) {
  // A PNG whose header says it is 0 pixels wide.
  QByteArray header("\x89PNG\r\n\x1a\n", 8);
  QByteArray ihdr("IHDR", 4);
  const char fields[13] = {0, 0, 0, 0, 0, 0, 0, 10, 8, 2, 0, 0, 0};
  ihdr.append(fields, 13);
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(ihdr.constData()), static_cast<uInt>(ihdr.size()));
  const char length[4] = {0, 0, 0, 13};
  const char crcBytes[4] = {static_cast<char>(crc >> 24), static_cast<char>(crc >> 16), static_cast<char>(crc >> 8),
                            static_cast<char>(crc)};
  QFile broken(QString::fromStdString(folder_.Path("broken.png")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write(header + QByteArray(length, 4) + ihdr + QByteArray(crcBytes, 4));
  broken.close();
  for (const char* name : {"junk.png", "junk.dat"}) {
    QFile junk(QString::fromStdString(folder_.Path(name)));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("no picture at all");
  }

  const QRect area(10, 10, BadPictureSymbol().width(), BadPictureSymbol().height());
  const struct {
    const char* file;
    bool shown;  // as the bad-picture symbol
  } cases[] = {
      {"broken.png", true},
      {"junk.png", true},   // named a picture, does not decode
      {"junk.dat", false},  // of no picture format at all
      {"absent.png", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    auto* picture = Build(PictureLines(area, folder_.Path(c.file), {"PictStyle=2"}));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->FileExists(), c.shown);
    const QImage image = Grab();
    if (c.shown) {
      EXPECT_EQ(SymbolMismatches(image, area.topLeft()), 0);
    } else {
      EXPECT_EQ(PixelsNotOf(image, area, kFillGreen), 0);
    }
  }
}

TEST_F(PicturePaintingTest, TilesNeverShrinkBelowAPixel) {
  const std::string file = folder_.Solid("speck.png", 4, 4, kPictureRed);
  const QRect area(10, 10, 50, 30);
  for (const int mode : {3, 4, 5}) {
    SCOPED_TRACE(mode);
    auto* picture = Build(PictureLines(area, file, {"PictStyle=" + std::to_string(mode), "PictZoomFactor=10"}));
    ASSERT_NE(picture, nullptr);
    const QImage image = Grab();
    EXPECT_EQ(PixelsNotOf(image, area, kPictureRed), 0);
  }
}

TEST_F(PicturePaintingTest, HugeZoomsStayInRangeAndDrawWhatCanBeSeen) {
  // Top-left pixel blue, the others red: a huge zoom shows only blue.
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(kPictureRed);
  image.setPixelColor(0, 0, kPictureBlue);
  const std::string file = folder_.Save("corner.png", image);
  const QRect area(10, 10, 60, 40);
  const struct {
    const char* label;
    std::string zoomKey;
    int zoom;
  } cases[] = {
      {"the smallest number", "PictZoomFactor=-2147483648", std::numeric_limits<int>::max()},
      {"the largest number", "PictZoomFactor=2147483647", std::numeric_limits<int>::max()},
      {"negative", "PictZoomFactor=-250000", 250000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    for (const int mode : {0, 3, 6}) {
      SCOPED_TRACE(mode);
      auto* picture = Build(PictureLines(area, file, {c.zoomKey, "PictStyle=" + std::to_string(mode)}));
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->ZoomFactor(), c.zoom);
      const QImage grabbed = Grab();
      if (mode == 6) {
        // Automatic falls back to fitting the picture: 40 x 40.
        EXPECT_EQ(Text(BoundsOf(grabbed, kPictureBlue)), Text(QRect(10, 10, 10, 10)));
      } else {
        EXPECT_EQ(PixelsNotOf(grabbed, area, kPictureBlue), 0);
      }
    }
  }
}

TEST_F(PicturePaintingTest, HugeZoomClipsWithTheNaturalRegionScaled) {
  // 2 x 2, white top-left (transparent), red elsewhere. Zoomed a hundred
  // thousand times, the area sees only the transparent top-left pixel; a
  // region built at that size would need a copy of forty gigapixels.
  QImage two(2, 2, QImage::Format_RGB32);
  two.fill(kPictureRed);
  two.setPixelColor(0, 0, Qt::white);
  const std::string file = folder_.Save("two.png", two);
  const QRect area(10, 10, 60, 40);
  auto* picture = Build(PictureLines(area, file, {"PictTransColor=$FFFFFF", "PictZoomFactor=10000000"}));
  ASSERT_NE(picture, nullptr);
  const QImage grabbed = Grab("huge-transparent");
  EXPECT_EQ(PixelsNotOf(grabbed, area, kFillGreen), 0);
  // Thirty times, larger than the area: each pixel 30 wide, the white one
  // showing the fill.
  picture->SetZoomFactor(3000);
  const QImage split = Grab();
  EXPECT_EQ(Text(BoundsOf(split, kFillGreen)), Text(QRect(10, 10, 30, 30)));
  EXPECT_EQ(Text(BoundsOf(split, kPictureRed)), Text(QRect(10, 10, 60, 40)));
}

TEST_F(PicturePaintingTest, HugeTilesShrunkOneWayKeepTheirTransparency) {
  // 2 x 80: the top half of the left column white (transparent), the rest
  // red. Horizontal tiles millions of pixels wide and half the picture's
  // height show the left column, its top half letting the fill through.
  QImage tall(2, 80, QImage::Format_RGB32);
  tall.fill(kPictureRed);
  for (int y = 0; y < 40; ++y) tall.setPixelColor(0, y, Qt::white);
  const std::string file = folder_.Save("tall.png", tall);
  const QRect area(10, 10, 60, 40);
  Build(PictureLines(area, file, {"PictTransColor=$FFFFFF", "PictStyle=4", "PictZoomFactor=300000000"}));
  const QImage image = Grab("huge-tiles");
  EXPECT_EQ(Text(BoundsOf(image, kFillGreen)), Text(QRect(10, 10, 60, 20)));
  EXPECT_EQ(Text(BoundsOf(image, kPictureRed)), Text(QRect(10, 30, 60, 20)));
}

TEST_F(PicturePaintingTest, PrintingScalesAndLeavesOutWhatCannotBePrinted) {
  const std::string red = folder_.Solid("print.png", 20, 10, kPictureRed);
  QImage alpha(20, 10, QImage::Format_ARGB32);
  alpha.fill(QColor(220, 20, 30, 255));
  alpha.setPixelColor(0, 0, QColor(220, 20, 30, 0));
  const std::string withAlpha = folder_.Save("print-alpha.png", alpha);
  const struct {
    const char* label;
    std::string file;
    std::string keys;
    QRect expected;  // in the printed image
  } cases[] = {
      {"natural is scaled", red, "PictStyle=0", {5, 5, 40, 30}},
      {"zoomed is scaled", red, "PictZoomFactor=50", {5, 5, 20, 15}},
      {"stretched fills the rectangle", red, "PictStyle=1", {5, 5, 100, 80}},
      {"a picture with alpha is left out", withAlpha, "PictStyle=0", {}},
      {"a translucent picture is left out", red, "OpacityEx=200", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    auto* picture = Build(PictureLines({10, 10, 50, 40}, c.file, {c.keys}));
    ASSERT_NE(picture, nullptr);
    QImage printed(120, 100, QImage::Format_RGB32);
    printed.fill(Qt::white);
    QPainter painter(&printed);
    picture->PaintPicture(painter, QRect(5, 5, 100, 80), true, nullptr, 2.0, 3.0);
    painter.end();
    EXPECT_EQ(Text(BoundsOf(printed, kPictureRed)), Text(c.expected));
    // No fill or outline of the object's own.
    EXPECT_TRUE(BoundsOf(printed, kFillGreen).isEmpty());
  }
}

TEST_F(PicturePaintingTest, PageRenderingDrawsThePictureAsTheScreenDoes) {
  const std::string file = folder_.Solid("render.png", 30, 20, kPictureRed);
  Build(PictureLines({10, 10, 60, 40}, file, {"PictStyle=2", "Centered=Yes"}));
  EXPECT_EQ(Text(BoundsOf(page_->Render(), kPictureRed)), Text(BoundsOf(Grab(), kPictureRed)));
}

}  // namespace
}  // namespace orv
