#include "imaging/PictureDecoder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "imaging/BadPictureSymbol.h"
#include "imaging/OVImageView.h"

namespace orv {
namespace {

QByteArray ReadData(const char* name) {
  QFile file(QString(ORVALIS_TEST_DATA_DIR "/imaging/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

int Distance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

TEST(PictureDecoder, DecodesEveryFormatToTheSamePixels) {
  const QImage source(QString(ORVALIS_TEST_DATA_DIR "/imaging/source.ppm"));
  ASSERT_FALSE(source.isNull());
  struct Case {
    const char* file;
    PictureFormat format;
    int tolerance;  // JPEG is lossy
  };
  const Case cases[] = {
      {"paletted8.pcx", PictureFormat::Pcx, 0}, {"truecolour24.pcx", PictureFormat::Pcx, 0},
      {"plain.png", PictureFormat::Png, 0},     {"plain.bmp", PictureFormat::Bmp, 0},
      {"plain.gif", PictureFormat::Gif, 0},     {"plain.tif", PictureFormat::Tiff, 0},
      {"plain.ico", PictureFormat::Ico, 0},     {"plain.jpg", PictureFormat::Jpeg, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const QByteArray data = ReadData(c.file);
    EXPECT_EQ(FormatFromSignature(data), c.format);
    EXPECT_EQ(FormatFromExtension(c.file), c.format);
    const DecodedPicture decoded = DecodePicture(data, c.file);
    ASSERT_FALSE(decoded.bad);
    EXPECT_FALSE(decoded.isMeta);
    ASSERT_EQ(decoded.image.size(), source.size());
    int worst = 0;
    for (int y = 0; y < source.height(); ++y)
      for (int x = 0; x < source.width(); ++x)
        worst = std::max(worst, Distance(decoded.image.pixel(x, y), source.pixel(x, y)));
    EXPECT_LE(worst, c.tolerance);
  }
}

TEST(PictureDecoder, KeepsAlphaOfPicturesThatHaveIt) {
  const DecodedPicture withAlpha = DecodePicture(ReadData("alpha.png"), "alpha.png");
  ASSERT_FALSE(withAlpha.bad);
  EXPECT_TRUE(withAlpha.hasAlpha);
  EXPECT_NEAR(qAlpha(withAlpha.image.pixel(0, 0)), 128, 1);
  EXPECT_FALSE(DecodePicture(ReadData("plain.png"), "plain.png").hasAlpha);
  EXPECT_FALSE(DecodePicture(ReadData("truecolour24.pcx"), "x.pcx").hasAlpha);
}

TEST(PictureDecoder, ContentDecidesOverAMisleadingExtension) {
  const DecodedPicture decoded = DecodePicture(ReadData("plain.png"), "photo.JPG");
  EXPECT_FALSE(decoded.bad);
  EXPECT_EQ(decoded.image.size(), QSize(5, 3));
  const TPictureInfo info = TOVImageView::ReadStreamInfo(ReadData("plain.png"), "photo.JPG");
  EXPECT_TRUE(info.readable);
  EXPECT_EQ(QSize(info.width, info.height), QSize(5, 3));
}

TEST(PictureDecoder, ExtensionCaseDoesNotMatter) {
  EXPECT_EQ(FormatFromExtension("C:\\Pics\\Wall.JPEG"), PictureFormat::Jpeg);
  EXPECT_EQ(FormatFromExtension("a.Tiff"), PictureFormat::Tiff);
  EXPECT_EQ(FormatFromExtension("noext"), PictureFormat::Unknown);
}

TEST(PictureDecoder, MetafilesAreRecognisedAndBad) {
  // A placeable metafile header followed by a standard header.
  QByteArray wmf("\xD7\xCD\xC6\x9A", 4);
  wmf.append(QByteArray(18, '\0'));
  EXPECT_EQ(FormatFromSignature(wmf), PictureFormat::Wmf);
  const DecodedPicture decoded = DecodePicture(wmf, "drawing.wmf");
  EXPECT_TRUE(decoded.bad);
  EXPECT_TRUE(decoded.isMeta);
}

TEST(PictureDecoder, GarbageAndTruncatedDataAreBad) {
  const QByteArray png = ReadData("plain.png");
  const QByteArray inputs[] = {QByteArray(), QByteArray("not a picture at all"), png.left(20),
                               ReadData("plain.jpg").left(30)};
  for (const QByteArray& data : inputs) {
    const DecodedPicture decoded = DecodePicture(data, "x.png");
    EXPECT_TRUE(decoded.bad) << data.size();
    EXPECT_TRUE(decoded.image.isNull());
  }
}

TEST(OVImageView, BadPictureShowsTheSymbol) {
  TOVImageView view;
  EXPECT_FALSE(view.LoadFromStream(QByteArray("garbage"), "x.gif"));
  EXPECT_TRUE(view.BadImage());
  EXPECT_FALSE(view.HasAlpha());
  EXPECT_EQ(view.ImageWidth(), kBadPictureWidth);
  EXPECT_EQ(view.ImageHeight(), kBadPictureHeight);
  EXPECT_EQ(view.Bitmap(), BadPictureSymbol());
}

TEST(OVImageView, LoadsFilesThroughHostPathIgnoringCase) {
  TOVImageView view;
  EXPECT_TRUE(view.LoadFromFile(ORVALIS_TEST_DATA_DIR "/IMAGING/Plain.PNG"));
  EXPECT_FALSE(view.BadImage());
  EXPECT_EQ(view.ImageWidth(), 5);
  TOVImageView missing;
  EXPECT_FALSE(missing.LoadFromFile(ORVALIS_TEST_DATA_DIR "/imaging/none.png"));
  EXPECT_TRUE(missing.BadImage());
}

}  // namespace
}  // namespace orv

namespace orv {
namespace {

// A pixel the fixture is known to have (not premultiplied). Colours of fully
// transparent pixels are not compared.
struct KnownPixel {
  int x, y;
  QRgb argb;
};

struct FixtureCase {
  const char* file;
  QSize size;
  bool alpha;
  int tolerance;  // summed over the three components; JPEG is lossy
  std::vector<KnownPixel> pixels;
};

void ExpectPixels(const QImage& image, const FixtureCase& c) {
  for (const KnownPixel& p : c.pixels) {
    SCOPED_TRACE(testing::Message() << "pixel " << p.x << "," << p.y);
    const QRgb actual = image.pixelColor(p.x, p.y).rgba();
    EXPECT_NEAR(qAlpha(actual), qAlpha(p.argb), 1);
    if (qAlpha(p.argb) != 0) {
      EXPECT_LE(Distance(actual, p.argb), c.tolerance);
    }
  }
}

TEST(PictureDecoder, FixturesGiveTheirSizeAlphaAndPixelsAlikeFromHeaderAndDecoder) {
  const QRgb red = 0xFFFF0000, lime = 0xFF00FF00, black = 0xFF000000, clear = 0;
  const FixtureCase cases[] = {
      {"plain.jpg", {5, 3}, false, 60, {{0, 0, red}, {3, 1, 0xFFFF00FF}}},
      {"alpha.png", {5, 3}, true, 2, {{0, 0, 0x80FF0000}, {2, 0, 0x800000FF}}},
      {"shape-alpha.png", {20, 16}, true, 0, {{0, 0, clear}, {13, 4, clear}, {5, 8, 0xFFC81E28}}},
      {"paletted8.bmp", {5, 11}, false, 0, {{0, 0, red}, {4, 1, 0xFF0A141E}, {2, 3, 0xFFFFFF00}, {4, 10, 0xFF000080}}},
      {"rle8.bmp", {5, 11}, false, 0, {{0, 0, red}, {4, 1, 0xFF0A141E}, {2, 3, 0xFFFFFF00}, {4, 10, 0xFF000080}}},
      {"keyed.gif", {5, 3}, true, 0, {{0, 0, red}, {1, 1, 0xFF808080}, {4, 0, clear}, {0, 2, clear}}},
      {"plain.gif", {5, 3}, false, 0, {{4, 0, black}}},
      {"plain.tif", {5, 3}, false, 0, {{0, 0, red}}},
      // The orientation tag says "turned"; the picture is shown as stored.
      {"oriented.tif", {5, 3}, false, 0, {{0, 0, red}, {4, 0, black}, {4, 2, 0xFF0000FF}}},
      // Of 16, 32 (1 bit), 32 (32 bits) and 48 pixel images: the deep 32.
      {"sizes.ico", {32, 32}, true, 0, {{0, 0, lime}, {31, 31, lime}}},
      {"plain.ico", {5, 3}, true, 0, {{0, 0, red}}},
      {"truecolour24.pcx", {5, 3}, false, 0, {{3, 1, 0xFFFF00FF}}},
  };
  for (const FixtureCase& c : cases) {
    SCOPED_TRACE(c.file);
    const QByteArray data = ReadData(c.file);
    const DecodedPicture decoded = DecodePicture(data, c.file);
    ASSERT_FALSE(decoded.bad);
    EXPECT_EQ(decoded.image.size(), c.size);
    EXPECT_EQ(decoded.hasAlpha, c.alpha);
    ExpectPixels(decoded.image, c);

    const TPictureInfo info = TOVImageView::ReadInfo(ORVALIS_TEST_DATA_DIR "/imaging/" + std::string(c.file));
    EXPECT_TRUE(info.readable);
    EXPECT_FALSE(info.ShowsBadPicture());
    EXPECT_EQ(QSize(info.width, info.height), c.size);
    EXPECT_EQ(info.hasAlpha, c.alpha);
  }
}

// Every picture kept for the tests, metafiles included: for each that
// decodes, what the header tells is what decoding gives. (Pictures broken on
// purpose belong to the tests that break them.)
TEST(PictureDecoder, HeaderInformationAgreesWithDecodingForEveryFixture) {
  int compared = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ORVALIS_TEST_DATA_DIR "/imaging")) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || FormatFromExtension(name) == PictureFormat::Unknown) continue;
    SCOPED_TRACE(entry.path().string());
    QFile file(QString::fromStdString(entry.path().string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const DecodedPicture decoded = DecodePicture(data, name);
    if (decoded.bad) continue;
    const TPictureInfo info = TOVImageView::ReadStreamInfo(data, name);
    EXPECT_TRUE(info.readable);
    EXPECT_EQ(QSize(info.width, info.height), decoded.image.size());
    EXPECT_EQ(info.hasAlpha, decoded.hasAlpha);
    ++compared;
  }
  EXPECT_GE(compared, 16);
}

// sizes.ico with only some of its directory entries, the image data left
// where it is: 0 = 16 red (32 bits), 1 = 32 yellow (1 bit), 2 = 32 lime
// (32 bits), 3 = 48 blue (32 bits).
QByteArray IconWithEntries(const std::vector<int>& keep) {
  const QByteArray ico = ReadData("sizes.ico");
  constexpr int kDirectoryEnd = 6 + 4 * 16;
  QByteArray out = ico.left(4);
  out.append(static_cast<char>(keep.size()));
  out.append('\0');
  for (int index : keep) out.append(ico.mid(6 + 16 * index, 16));
  out.append(QByteArray(kDirectoryEnd - out.size(), '\0'));
  out.append(ico.mid(kDirectoryEnd));
  return out;
}

TEST(PictureDecoder, IconShowsTheImageNearestThirtyTwoWithTheMostColours) {
  struct Case {
    std::vector<int> entries;
    int side;
    QRgb colour;
  };
  const Case cases[] = {
      {{0, 1, 2, 3}, 32, 0xFF00FF00}, {{1, 2}, 32, 0xFF00FF00}, {{2, 1}, 32, 0xFF00FF00},
      {{0, 1}, 32, 0xFFFFFF00},       {{0, 3}, 48, 0xFF0000FF}, {{3, 0}, 48, 0xFF0000FF},
      {{0}, 16, 0xFFFF0000},
      // The file cut inside the lime image's data: the best whole one.
      {{}, 32, 0xFFFFFF00},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "entries " << testing::PrintToString(c.entries));
    const QByteArray ico = c.entries.empty() ? ReadData("sizes.ico").left(3000) : IconWithEntries(c.entries);
    const DecodedPicture decoded = DecodePicture(ico, "a.ico");
    ASSERT_FALSE(decoded.bad);
    EXPECT_EQ(decoded.image.size(), QSize(c.side, c.side));
    EXPECT_EQ(decoded.image.pixel(c.side / 2, c.side / 2), c.colour);
    const TPictureInfo info = TOVImageView::ReadStreamInfo(ico, "a.ico");
    EXPECT_EQ(QSize(info.width, info.height), QSize(c.side, c.side));
  }
}

std::uint32_t Crc32(const QByteArray& bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (char ch : bytes) {
    crc ^= static_cast<unsigned char>(ch);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
  }
  return ~crc;
}

void PutBigEndian(QByteArray& bytes, int at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

void PutLittleEndian(QByteArray& bytes, int at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// plain.png with its header claiming another size, checksum kept right.
QByteArray PngClaiming(std::uint32_t width, std::uint32_t height) {
  QByteArray png = ReadData("plain.png");
  PutBigEndian(png, 16, width);
  PutBigEndian(png, 20, height);
  PutBigEndian(png, 29, Crc32(png.mid(12, 17)));  // "IHDR" and its 13 bytes
  return png;
}

QByteArray BmpClaiming(std::int32_t width, std::int32_t height) {
  QByteArray bmp = ReadData("paletted8.bmp");
  PutLittleEndian(bmp, 18, static_cast<std::uint32_t>(width));
  PutLittleEndian(bmp, 22, static_cast<std::uint32_t>(height));
  return bmp;
}

QByteArray GifClaiming(int width, int height) {
  QByteArray gif = ReadData("plain.gif");
  // The image descriptor follows the graphic control block's terminator.
  const int descriptor = gif.indexOf(QByteArray("\0,", 2)) + 1;
  for (int at : {6, descriptor + 5}) {
    gif[at] = static_cast<char>(width & 0xFF);
    gif[at + 1] = static_cast<char>(width >> 8);
    gif[at + 2] = static_cast<char>(height & 0xFF);
    gif[at + 3] = static_cast<char>(height >> 8);
  }
  return gif;
}

// A PCX header whose window ends before it starts.
QByteArray PcxWithEmptyWindow() {
  QByteArray pcx = ReadData("paletted8.pcx");
  pcx[8] = 0;  // x1 = 0 ...
  pcx[4] = 5;  // ... x0 = 5
  return pcx;
}

// Faults the header shows: both the header information and the decoder
// say bad picture.
TEST(PictureDecoder, BrokenEmptyAndOversizedHeadersAreBadPictures) {
  struct Case {
    const char* what;
    QByteArray data;
    const char* name;
  };
  const Case cases[] = {
      {"empty", QByteArray(), "x.png"},
      {"text", QByteArray("not a picture at all"), "x.png"},
      {"png header cut", ReadData("plain.png").left(20), "x.png"},
      {"jpeg header cut", ReadData("plain.jpg").left(30), "x.jpg"},
      {"gif cut", ReadData("keyed.gif").left(12), "x.gif"},
      {"tiff cut", ReadData("plain.tif").left(200), "x.tif"},
      {"bmp rows cut", ReadData("paletted8.bmp").chopped(12), "x.bmp"},
      {"bmp runs cut", ReadData("rle8.bmp").chopped(12), "x.bmp"},
      {"icon images cut", ReadData("sizes.ico").left(1000), "x.ico"},
      {"png 30000 x 30000", PngClaiming(30000, 30000), "x.png"},
      {"png 1 x 100000000", PngClaiming(1, 100000000), "x.png"},
      {"bmp 20000 x 20000", BmpClaiming(20000, 20000), "x.bmp"},
      {"gif 65535 x 65535", GifClaiming(65535, 65535), "x.gif"},
      {"png 0 wide", PngClaiming(0, 3), "x.png"},
      {"bmp 0 high", BmpClaiming(5, 0), "x.bmp"},
      {"pcx empty window", PcxWithEmptyWindow(), "x.pcx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DecodedPicture decoded = DecodePicture(c.data, c.name);
    EXPECT_TRUE(decoded.bad);
    EXPECT_TRUE(decoded.image.isNull());
    const TPictureInfo info = TOVImageView::ReadStreamInfo(c.data, c.name);
    EXPECT_TRUE(info.readable);
    EXPECT_TRUE(info.ShowsBadPicture());
    TOVImageView view;
    EXPECT_FALSE(view.LoadFromStream(c.data, c.name));
    EXPECT_EQ(view.Bitmap(), BadPictureSymbol());
  }
}

// Faults past the header: the header still tells the size, decoding gives
// the bad picture.
TEST(PictureDecoder, PixelDataCutShortIsABadPicture) {
  struct Case {
    const char* what;
    QByteArray data;
    const char* name;
  };
  const Case cases[] = {
      {"png", ReadData("plain.png").chopped(20), "x.png"},
      {"gif", ReadData("keyed.gif").left(80), "x.gif"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(DecodePicture(c.data, c.name).bad);
    EXPECT_FALSE(TOVImageView::ReadStreamInfo(c.data, c.name).ShowsBadPicture());
  }
}

// Run-length codes may skip pixels; they come out as colour 0 of the palette
// and never as whatever the memory held before.
TEST(PictureDecoder, PixelsSkippedByRunLengthCodesAreColourZero) {
  // rle8.bmp made 200 x 100 (large enough to get memory used before), with
  // its bottom row's codes and then the end-of-picture code.
  QByteArray bmp = ReadData("rle8.bmp");
  constexpr int kPixels = 1078;  // after the headers and 256 colours
  // Colour 0 made unlike every other entry (the unused ones are black).
  bmp[54] = 3;  // blue, green, red
  bmp[55] = 2;
  bmp[56] = 1;
  const QRgb colourZero = qRgb(1, 2, 3);
  int code = kPixels;  // the row is plain runs: (count, colour) pairs up to (0, 0)
  while (bmp[code] != 0 || bmp[code + 1] != 0) code += 2;
  bmp.truncate(code + 2);
  bmp.append(QByteArray("\0\1", 2));
  PutLittleEndian(bmp, 18, 200);
  PutLittleEndian(bmp, 22, 100);
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    // Leave memory of the picture's size filled with something else; the
    // decoder's own first use settles which memory it gets.
    {
      QImage junk(200, 100, QImage::Format_Indexed8);
      junk.fill(0xAB);
    }
    const DecodedPicture decoded = DecodePicture(bmp, "x.bmp");
    ASSERT_FALSE(decoded.bad);
    ASSERT_EQ(decoded.image.size(), QSize(200, 100));
    EXPECT_EQ(decoded.image.pixel(4, 99), qRgb(0, 0, 128));  // the bottom row starts navy
    int others = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = y == 99 ? 5 : 0; x < 200; ++x) others += decoded.image.pixel(x, y) != colourZero;
    EXPECT_EQ(others, 0);
  }
}

TEST(PictureDecoder, BytesOfNoKnownFormatReportNothingToShow) {
  const TPictureInfo info = TOVImageView::ReadStreamInfo(QByteArray("plain text"), "notes.txt");
  EXPECT_FALSE(info.readable);
  EXPECT_FALSE(info.ShowsBadPicture());
  EXPECT_EQ(QSize(info.width, info.height), QSize(32, 32));
}

}  // namespace
}  // namespace orv
