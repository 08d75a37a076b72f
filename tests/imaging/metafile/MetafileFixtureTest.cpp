// Metafiles written by a drawing program (tests/data/imaging/metafile, see
// its README.txt) decoded as the player decodes pictures.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "imaging/PictureDecoder.h"
#include "imaging/metafile/MetafilePicture.h"

namespace orv {
namespace {

QByteArray ReadFixture(const std::string& name) {
  QFile file(QString::fromStdString(ORVALIS_TEST_DATA_DIR "/imaging/metafile/" + name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

struct KnownPixel {
  QPoint at;
  QRgb colour;
};

struct FixtureCase {
  const char* file;
  bool emf;
  QSize natural;
  std::vector<KnownPixel> pixels;  // at natural size
};

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kYellow = 0xFFFFFF00;

// shapes.svg: red rectangle (10,10)-(90,60), blue ellipse centred (145,40)
// with radii 40 and 25, green line 6 wide along y = 85 from x = 10 to 190.
const std::vector<KnownPixel> kShapes = {
    {{50, 35}, kRed},   {{12, 12}, kRed},    {{88, 58}, kRed},   {{145, 40}, kBlue}, {{110, 40}, kBlue},
    {{145, 20}, kBlue}, {{100, 85}, kGreen}, {{15, 84}, kGreen}, {{185, 86}, kGreen}, {{5, 5}, kWhite},
    {{95, 35}, kWhite}, {{110, 20}, kWhite}, {{100, 75}, kWhite}, {{195, 85}, kWhite}, {{100, 95}, kWhite}};

// image.svg: a 2 x 2 bitmap (red, green / blue, white) stretched over
// (10,10)-(90,90).
const std::vector<KnownPixel> kImage = {{{30, 30}, kRed},   {{70, 30}, kGreen}, {{30, 70}, kBlue},
                                        {{70, 70}, kWhite}, {{12, 12}, kRed},   {{88, 12}, kGreen},
                                        {{12, 88}, kBlue},  {{5, 50}, kWhite},  {{95, 50}, kWhite}};

// text.svg: a yellow bar (0,0)-(20,60) and the word "Café" from x = 30 on
// the baseline y = 40.
const std::vector<KnownPixel> kText = {{{10, 30}, kYellow}, {{25, 30}, kWhite}, {{150, 30}, kWhite},
                                       {{80, 55}, kWhite},  {{80, 5}, kWhite}};

class MetafileFixture : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(MetafileFixture, DecodesAtNaturalSizeWithKnownColours) {
  const FixtureCase& c = GetParam();
  const DecodedPicture decoded = DecodePicture(ReadFixture(c.file), c.file);
  ASSERT_FALSE(decoded.bad);
  ASSERT_TRUE(decoded.isMeta);
  ASSERT_NE(decoded.meta, nullptr);
  EXPECT_EQ(decoded.meta->IsEmf(), c.emf);
  EXPECT_EQ(decoded.meta->NaturalSize(), c.natural);
  ASSERT_EQ(decoded.image.size(), c.natural);
  decoded.image.save(QString("/tmp/metafile-%1.png").arg(QString(c.file).replace('.', '-')));
  for (const KnownPixel& p : c.pixels)
    EXPECT_EQ(decoded.image.pixel(p.at), p.colour) << c.file << " at " << p.at.x() << "," << p.at.y();
}

TEST_P(MetafileFixture, PlaysIntoATargetOfAnotherSizeAndPlace) {
  // Twice as wide and half as high, 30 pixels in from the left and 10 down.
  const FixtureCase& c = GetParam();
  const auto picture = TMetafilePicture::Read(ReadFixture(c.file));
  ASSERT_NE(picture, nullptr);
  const QRectF target(30, 10, c.natural.width() * 2.0, c.natural.height() / 2.0);
  QImage image(static_cast<int>(target.right()) + 20, static_cast<int>(target.bottom()) + 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture->Play(painter, target);
  }
  image.save(QString("/tmp/metafile-%1-stretched.png").arg(QString(c.file).replace('.', '-')));
  for (const KnownPixel& p : c.pixels) {
    const QPoint mapped(30 + p.at.x() * 2, 10 + p.at.y() / 2);
    EXPECT_EQ(image.pixel(mapped), p.colour) << c.file << " at " << p.at.x() << "," << p.at.y();
  }
  // Nothing outside the target.
  for (const QPoint outside : {QPoint(10, 5), QPoint(image.width() - 5, image.height() - 5)})
    EXPECT_EQ(image.pixel(outside), kWhite) << c.file;
}

INSTANTIATE_TEST_SUITE_P(, MetafileFixture,
                         ::testing::Values(FixtureCase{"shapes.wmf", false, {200, 100}, kShapes},
                                           FixtureCase{"shapes.emf", true, {200, 102}, kShapes},
                                           FixtureCase{"image.wmf", false, {120, 100}, kImage},
                                           FixtureCase{"image.emf", true, {121, 102}, kImage},
                                           FixtureCase{"text.wmf", false, {160, 60}, kText},
                                           FixtureCase{"text.emf", true, {162, 60}, kText}),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           for (char& ch : name)
                             if (ch == '.') ch = '_';
                           return name;
                         });

}  // namespace
}  // namespace orv
