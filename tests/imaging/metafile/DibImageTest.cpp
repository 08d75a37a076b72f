// Device-independent bitmaps as metafile records carry them.
#include "imaging/metafile/DibImage.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "MetafileBuilder.h"

namespace orv::test {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;

QByteArray InfoHeader(int width, int height, int bits, int compression = 0, int coloursUsed = 0) {
  QByteArray h;
  for (int v : {40, width, height}) PutU32(h, static_cast<std::uint32_t>(v));
  PutU16(h, 1);
  PutU16(h, static_cast<std::uint32_t>(bits));
  for (int v : {compression, 0, 0, 0, coloursUsed, 0}) PutU32(h, static_cast<std::uint32_t>(v));
  return h;
}

// Colour-table entries (blue, green, red, 0) for the four colours, in the
// order red, green, blue, white.
QByteArray FourColourTable() {
  QByteArray t;
  for (QRgb c : {kRed, kGreen, kBlue, kWhite}) {
    t.append(static_cast<char>(qBlue(c)));
    t.append(static_cast<char>(qGreen(c)));
    t.append(static_cast<char>(qRed(c)));
    t.append('\0');
  }
  return t;
}

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray out;
  for (int v : values) out.append(static_cast<char>(v));
  return out;
}

struct DibCase {
  const char* name;
  QByteArray packed;
  QRgb expected[4];  // top left, top right, bottom left, bottom right
};

std::vector<DibCase> Cases() {
  // Every 2 x 2 bitmap below shows red, green over blue, white unless said.
  std::vector<DibCase> cases;
  cases.push_back({"one_bit", InfoHeader(2, 2, 1) + FourColourTable().left(8) + Bytes({0x80, 0, 0, 0, 0x40, 0, 0, 0}),
                   {kRed, kGreen, kGreen, kRed}});
  cases.push_back({"four_bit", InfoHeader(2, 2, 4, 0, 4) + FourColourTable() + Bytes({0x23, 0, 0, 0, 0x01, 0, 0, 0}),
                   {kRed, kGreen, kBlue, kWhite}});
  cases.push_back({"eight_bit", InfoHeader(2, 2, 8, 0, 4) + FourColourTable() + Bytes({2, 3, 0, 0, 0, 1, 0, 0}),
                   {kRed, kGreen, kBlue, kWhite}});
  cases.push_back({"eight_bit_top_down",
                   InfoHeader(2, -2, 8, 0, 4) + FourColourTable() + Bytes({0, 1, 0, 0, 2, 3, 0, 0}),
                   {kRed, kGreen, kBlue, kWhite}});
  cases.push_back({"sixteen_bit_555",
                   InfoHeader(2, 2, 16) + Bytes({0x1F, 0x00, 0xFF, 0x7F, 0x00, 0x7C, 0xE0, 0x03}),
                   {kRed, kGreen, kBlue, kWhite}});
  QByteArray masks;
  for (std::uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) PutU32(masks, m);
  cases.push_back({"sixteen_bit_565_bit_fields",
                   InfoHeader(2, 2, 16, 3) + masks + Bytes({0x1F, 0x00, 0xFF, 0xFF, 0x00, 0xF8, 0xE0, 0x07}),
                   {kRed, kGreen, kBlue, kWhite}});
  cases.push_back({"twenty_four_bit",
                   InfoHeader(2, 2, 24) + Bytes({255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0}),
                   {kRed, kGreen, kBlue, kWhite}});
  cases.push_back({"thirty_two_bit_alpha_ignored",
                   InfoHeader(2, 2, 32) + Bytes({255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 7, 0, 255, 0, 0}),
                   {kRed, kGreen, kBlue, kWhite}});
  QByteArray core;
  for (int v : {12}) PutU32(core, static_cast<std::uint32_t>(v));
  for (int v : {2, 2, 1, 8}) PutU16(core, static_cast<std::uint32_t>(v));
  core += Bytes({0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255});  // red, green, blue, white as triples
  core += QByteArray(256 * 3 - 12, '\0');
  cases.push_back({"core_header", core + Bytes({2, 3, 0, 0, 0, 1, 0, 0}), {kRed, kGreen, kBlue, kWhite}});
  return cases;
}

TEST(DibImage, ReadsEveryUncompressedDepth) {
  for (const DibCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const QImage image = ReadPackedDib(c.packed);
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), c.expected[0]);
    EXPECT_EQ(image.pixel(1, 0), c.expected[1]);
    EXPECT_EQ(image.pixel(0, 1), c.expected[2]);
    EXPECT_EQ(image.pixel(1, 1), c.expected[3]);
  }
}

TEST(DibImage, RefusesWhatItCannotOrShouldNotRead) {
  const QByteArray rows = QByteArray(64, '\0');
  const struct {
    const char* name;
    QByteArray packed;
  } cases[] = {
      {"run_length_compressed", InfoHeader(2, 2, 8, 1) + FourColourTable() + rows},
      {"rows_shorter_than_the_size", InfoHeader(200, 200, 24) + rows},
      {"far_too_large", InfoHeader(30000, 30000, 1) + rows},
      {"zero_width", InfoHeader(0, 2, 24) + rows},
      {"odd_bit_count", InfoHeader(2, 2, 7) + rows},
      {"unknown_header_size", QByteArray("\x14\0\0\0", 4) + rows},
      {"header_cut_short", InfoHeader(2, 2, 24).left(20)},
  };
  for (const auto& c : cases) EXPECT_TRUE(ReadPackedDib(c.packed).isNull()) << c.name;
}

TEST(DibImage, PremultipliedAlphaIsKeptWhenAsked) {
  const QByteArray packed = InfoHeader(1, 1, 32) + Bytes({0, 0, 128, 128});
  const QImage image = ReadPackedDib(packed, DibColourTable::Colours, DibAlpha::Premultiplied);
  ASSERT_FALSE(image.isNull());
  const QRgb straight = image.convertToFormat(QImage::Format_ARGB32).pixel(0, 0);
  EXPECT_EQ(qAlpha(straight), 128);
  EXPECT_EQ(qRed(straight), 255);
}

}  // namespace
}  // namespace orv::test
