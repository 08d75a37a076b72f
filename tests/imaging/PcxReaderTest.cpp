#include "imaging/PcxReader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <string>
#include <vector>

namespace orv {
namespace {

QByteArray ReadData(const char* name) {
  QFile file(QString(ORVALIS_TEST_DATA_DIR "/imaging/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

QImage Source() {
  QImage image(QString(ORVALIS_TEST_DATA_DIR "/imaging/source.ppm"));
  EXPECT_FALSE(image.isNull());
  return image;
}

void ExpectSamePixels(const QImage& actual, const QImage& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (int y = 0; y < expected.height(); ++y)
    for (int x = 0; x < expected.width(); ++x)
      EXPECT_EQ(actual.pixel(x, y) | 0xFF000000, expected.pixel(x, y) | 0xFF000000) << x << "," << y;
}

// A 128-byte header in the layout PCX files use.
std::vector<unsigned char> Header(int bitsPerPixel, int planes, int width, int height, int bytesPerLine,
                                  int encoding = 1) {
  std::vector<unsigned char> h(128, 0);
  h[0] = 0x0A;
  h[1] = 5;
  h[2] = static_cast<unsigned char>(encoding);
  h[3] = static_cast<unsigned char>(bitsPerPixel);
  h[8] = static_cast<unsigned char>((width - 1) & 0xFF);
  h[9] = static_cast<unsigned char>((width - 1) >> 8);
  h[10] = static_cast<unsigned char>((height - 1) & 0xFF);
  h[11] = static_cast<unsigned char>((height - 1) >> 8);
  h[65] = static_cast<unsigned char>(planes);
  h[66] = static_cast<unsigned char>(bytesPerLine & 0xFF);
  h[67] = static_cast<unsigned char>(bytesPerLine >> 8);
  return h;
}

QByteArray Bytes(const std::vector<unsigned char>& v) {
  return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

TEST(PcxReader, DecodesEightBitPalettedFile) {
  const QByteArray data = ReadData("paletted8.pcx");
  ASSERT_TRUE(LooksLikePcx(data));
  const QImage image = ReadPcx(data);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.format(), QImage::Format_Indexed8);
  ExpectSamePixels(image, Source());
}

TEST(PcxReader, DecodesTwentyFourBitFile) {
  const QImage image = ReadPcx(ReadData("truecolour24.pcx"));
  ASSERT_FALSE(image.isNull());
  EXPECT_FALSE(image.hasAlphaChannel());
  ExpectSamePixels(image, Source());
}

TEST(PcxReader, DecodesMonochromeWithRunsAcrossLineEnds) {
  // 10 x 2, two bytes a line. Line 0: 1010 0000 11xx; line 1 all white.
  // The run 0xC3 0xFF covers the last byte of line 0 and both of line 1.
  std::vector<unsigned char> file = Header(1, 1, 10, 2, 2);
  for (unsigned char b : {0xC1, 0xA0, 0xC3, 0xFF}) file.push_back(b);
  const QImage image = ReadPcx(Bytes(file));
  ASSERT_EQ(image.size(), QSize(10, 2));
  const int expected0[10] = {1, 0, 1, 0, 0, 0, 0, 0, 1, 1};
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(qGray(image.pixel(x, 0)), expected0[x] ? 255 : 0) << x;
    EXPECT_EQ(qGray(image.pixel(x, 1)), 255) << x;
  }
}

TEST(PcxReader, DecodesFourPlaneSixteenColourWithHeaderPalette) {
  // 8 x 1, raw (unencoded): planes give index bits 0..3, plane 0 lowest.
  std::vector<unsigned char> file = Header(1, 4, 8, 1, 1, 0);
  for (int i = 0; i < 16; ++i) {  // palette entry i = (i*16, 255 - i*16, i)
    file[16 + 3 * i] = static_cast<unsigned char>(i * 16);
    file[17 + 3 * i] = static_cast<unsigned char>(255 - i * 16);
    file[18 + 3 * i] = static_cast<unsigned char>(i);
  }
  // Pixel x has index x + 8 for the first four, x for the rest: bit 3 set on
  // the first four pixels only.
  file.push_back(0x55);  // plane 0: 0101 0101
  file.push_back(0x33);  // plane 1: 0011 0011
  file.push_back(0x0F);  // plane 2: 0000 1111
  file.push_back(0xF0);  // plane 3: 1111 0000
  const QImage image = ReadPcx(Bytes(file));
  ASSERT_EQ(image.size(), QSize(8, 1));
  for (int x = 0; x < 8; ++x) {
    const int bit0 = (0x55 >> (7 - x)) & 1, bit1 = (0x33 >> (7 - x)) & 1;
    const int bit2 = (0x0F >> (7 - x)) & 1, bit3 = (0xF0 >> (7 - x)) & 1;
    const int index = bit0 | (bit1 << 1) | (bit2 << 2) | (bit3 << 3);
    EXPECT_EQ(image.pixel(x, 0), qRgb(index * 16, 255 - index * 16, index)) << x;
  }
}

TEST(PcxReader, DataEndingEarlyLeavesTheRestBlack) {
  QByteArray data = ReadData("truecolour24.pcx");
  data.truncate(128 + 4);
  const QImage image = ReadPcx(data);
  ASSERT_EQ(image.size(), QSize(5, 3));
  EXPECT_EQ(image.pixel(4, 2), qRgb(0, 0, 0));
}

TEST(PcxReader, RejectsHeadersItCannotTrust) {
  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"too short", std::vector<unsigned char>(40, 0x0A)});
  auto wrongMaker = Header(8, 1, 4, 4, 4);
  wrongMaker[0] = 0x0B;
  cases.push_back({"wrong maker byte", wrongMaker});
  auto badEncoding = Header(8, 1, 4, 4, 4);
  badEncoding[2] = 7;
  cases.push_back({"unknown encoding", badEncoding});
  auto inverted = Header(8, 1, 4, 4, 4);
  inverted[4] = 9;  // xMin beyond xMax
  cases.push_back({"negative width", inverted});
  cases.push_back({"line shorter than width", Header(8, 1, 100, 2, 10)});
  cases.push_back({"unsupported depth", Header(16, 1, 4, 4, 8)});
  cases.push_back({"too many pixels", Header(8, 1, 65535, 65535, 65535)});
  for (const Case& c : cases) {
    EXPECT_FALSE(LooksLikePcx(Bytes(c.bytes))) << c.what;
    EXPECT_TRUE(ReadPcx(Bytes(c.bytes)).isNull()) << c.what;
  }
}

TEST(PcxReader, HugeLineLengthWithLittleDataStaysSmall) {
  // One pixel wide, 4096 high, each line claiming 65534 bytes in 4 planes:
  // the reader works a line at a time instead of allocating it all.
  std::vector<unsigned char> file = Header(8, 4, 1, 4096, 65534);
  file.push_back(0xC1);
  file.push_back(0x7F);
  const QImage image = ReadPcx(Bytes(file));
  ASSERT_EQ(image.size(), QSize(1, 4096));
  EXPECT_EQ(qRed(image.pixel(0, 0)), 0x7F);
  EXPECT_EQ(image.pixel(0, 4095), qRgba(0, 0, 0, 0));
}

TEST(PcxReader, MutatedFilesNeverReadOutsideTheirData) {
  // Deterministic damage to the real files; the address sanitizer watches.
  for (const char* name : {"paletted8.pcx", "truecolour24.pcx"}) {
    const QByteArray original = ReadData(name);
    unsigned state = 12345;
    for (int round = 0; round < 400; ++round) {
      QByteArray damaged = original;
      for (int k = 0; k < 4; ++k) {
        state = state * 1103515245u + 12345u;
        const auto at = static_cast<qsizetype>((state >> 8) % static_cast<unsigned>(damaged.size()));
        damaged[at] = static_cast<char>(state >> 24);
      }
      if (round % 3 == 0) damaged.truncate(static_cast<qsizetype>((state >> 4) % static_cast<unsigned>(damaged.size())));
      const QImage image = ReadPcx(damaged);
      if (image.isNull()) continue;
      const auto* p = reinterpret_cast<const unsigned char*>(damaged.constData());
      const int width = (p[8] | (p[9] << 8)) - (p[4] | (p[5] << 8)) + 1;
      const int height = (p[10] | (p[11] << 8)) - (p[6] | (p[7] << 8)) + 1;
      EXPECT_EQ(image.size(), QSize(width, height)) << name << " round " << round;
    }
  }
}

}  // namespace
}  // namespace orv
