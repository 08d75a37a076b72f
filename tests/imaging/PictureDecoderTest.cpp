#include "imaging/PictureDecoder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>

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
