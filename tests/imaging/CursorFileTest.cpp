// Cursor files built byte by byte: bitmaps of every depth with their AND
// mask, a PNG image, the hot spot, and files that are cut short or lie.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <string>
#include <vector>

#include "imaging/CursorFile.h"

namespace orv {
namespace {

void Le16(std::string& out, int v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Le32(std::string& out, std::int64_t v) {
  for (int s = 0; s < 32; s += 8) out.push_back(static_cast<char>((v >> s) & 0xFF));
}

// A cursor directory with one image.
std::string CursorFile(const std::string& image, int width, int height, int hotX, int hotY, int type = 2) {
  std::string out;
  Le16(out, 0);
  Le16(out, type);
  Le16(out, 1);
  out.push_back(static_cast<char>(width));
  out.push_back(static_cast<char>(height));
  out.push_back(0);
  out.push_back(0);
  Le16(out, hotX);
  Le16(out, hotY);
  Le32(out, static_cast<std::int64_t>(image.size()));
  Le32(out, 22);
  return out + image;
}

std::size_t Stride(int width, int bits) { return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4; }

// A `bits`-bit bitmap of `width` x `height`: pixel (x, y) takes
// `pixel(x, y)` (a palette index, or a BGR(A) value), and the AND mask is
// set where `masked(x, y)`. Rows are written bottom-up as the format has it.
template <typename Pixel, typename Masked>
std::string Bitmap(int width, int height, int bits, const std::vector<std::uint32_t>& palette, Pixel pixel,
                   Masked masked) {
  std::string out;
  Le32(out, 40);
  Le32(out, width);
  Le32(out, height * 2);
  Le16(out, 1);
  Le16(out, bits);
  Le32(out, 0);
  Le32(out, 0);
  Le32(out, 0);
  Le32(out, 0);
  Le32(out, static_cast<std::int64_t>(palette.size()));
  Le32(out, 0);
  for (const std::uint32_t bgr : palette) Le32(out, bgr);
  for (int y = height - 1; y >= 0; --y) {
    std::string row(Stride(width, bits), '\0');
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = pixel(x, y);
      switch (bits) {
        case 1: row[x / 8] = static_cast<char>(row[x / 8] | ((v & 1) << (7 - x % 8))); break;
        case 4: row[x / 2] = static_cast<char>(row[x / 2] | ((v & 0xF) << (x % 2 == 0 ? 4 : 0))); break;
        case 8: row[x] = static_cast<char>(v); break;
        default:
          for (int b = 0; b < bits / 8; ++b) row[x * (bits / 8) + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
      }
    }
    out += row;
  }
  for (int y = height - 1; y >= 0; --y) {
    std::string row(Stride(width, 1), '\0');
    for (int x = 0; x < width; ++x)
      if (masked(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (1 << (7 - x % 8)));
    out += row;
  }
  return out;
}

// 12 x 10: the left column is masked (transparent); elsewhere the colour
// depends on x.
bool LeftColumn(int x, int) { return x == 0; }

TEST(CursorFile, BitmapsOfEveryDepthWithTheirMaskAndHotSpot) {
  // Palette entries are blue, green, red bytes: little-endian 0x00RRGGBB.
  const std::uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF;
  const struct {
    int bits;
    std::vector<std::uint32_t> palette;
    std::uint32_t (*pixel)(int, int);
    QRgb expectedAt5;  // colour of (5, 3)
    QRgb expectedAt6;  // colour of (6, 3)
  } cases[] = {
      {1, {0x000000, 0xFFFFFF}, [](int x, int) -> std::uint32_t { return x % 2; }, qRgb(255, 255, 255), qRgb(0, 0, 0)},
      {4, {red, green, blue}, [](int x, int) -> std::uint32_t { return x % 3; }, qRgb(0, 0, 255), qRgb(255, 0, 0)},
      {8, {red, green, blue}, [](int x, int) -> std::uint32_t { return x % 3; }, qRgb(0, 0, 255), qRgb(255, 0, 0)},
      {24, {}, [](int x, int) -> std::uint32_t { return x == 5 ? 0x102030u : 0x405060u; }, qRgb(0x10, 0x20, 0x30),
       qRgb(0x40, 0x50, 0x60)},
      // 32 bits without any alpha: the mask decides.
      {32, {}, [](int x, int) -> std::uint32_t { return x == 5 ? 0x00102030u : 0x00405060u; },
       qRgb(0x10, 0x20, 0x30), qRgb(0x40, 0x50, 0x60)},
  };
  for (const auto& c : cases) {
    const std::string bytes = CursorFile(Bitmap(12, 10, c.bits, c.palette, c.pixel, LeftColumn), 12, 10, 7, 4);
    const auto cursor = ReadCursorFile(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    ASSERT_TRUE(cursor) << c.bits;
    EXPECT_EQ(cursor->Image.size(), QSize(12, 10)) << c.bits;
    EXPECT_EQ(cursor->HotSpot, QPoint(7, 4)) << c.bits;
    EXPECT_EQ(cursor->Image.pixel(5, 3), c.expectedAt5) << c.bits;
    EXPECT_EQ(cursor->Image.pixel(6, 3), c.expectedAt6) << c.bits;
    // Rows are not upside down: the bottom row is the last one written.
    EXPECT_EQ(cursor->Image.pixel(5, 9), c.expectedAt5) << c.bits;
    for (int y = 0; y < 10; ++y) EXPECT_EQ(qAlpha(cursor->Image.pixel(0, y)), 0) << c.bits << " row " << y;
  }
}

TEST(CursorFile, ThirtyTwoBitAlphaWinsOverTheMask) {
  const std::string bytes = CursorFile(
      Bitmap(4, 4, 32, {}, [](int x, int) -> std::uint32_t { return x < 2 ? 0x80FF0000u : 0x00000000u; },
             [](int, int) { return true; }),
      4, 4, 1, 1);
  const auto cursor = ReadCursorFile(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  ASSERT_TRUE(cursor);
  EXPECT_EQ(qAlpha(cursor->Image.pixel(0, 0)), 0x80);
  EXPECT_EQ(qRed(cursor->Image.pixel(0, 0)), 0xFF);
  EXPECT_EQ(qAlpha(cursor->Image.pixel(3, 0)), 0);
}

TEST(CursorFile, PngImageInsideTheDirectory) {
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(qRgba(0, 0, 0, 0));
  picture.setPixel(3, 2, qRgba(10, 200, 30, 255));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(picture.save(&buffer, "PNG"));
  const std::string bytes = CursorFile(png.toStdString(), 16, 16, 3, 2);
  const auto cursor = ReadCursorFile(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  ASSERT_TRUE(cursor);
  EXPECT_EQ(cursor->HotSpot, QPoint(3, 2));
  EXPECT_EQ(cursor->Image.pixel(3, 2), qRgba(10, 200, 30, 255));
  EXPECT_EQ(qAlpha(cursor->Image.pixel(0, 0)), 0);
}

TEST(CursorFile, CutShortOrContradictoryFilesAreRefused) {
  const std::string good = CursorFile(Bitmap(8, 8, 8, {0xFFFFFF}, [](int, int) -> std::uint32_t { return 0; },
                                             [](int, int) { return false; }),
                                      8, 8, 0, 0);
  ASSERT_TRUE(ReadCursorFile(QByteArrayView(good.data(), static_cast<qsizetype>(good.size()))));
  std::vector<std::string> bad;
  for (std::size_t cut : {std::size_t(0), std::size_t(5), std::size_t(21), std::size_t(40), good.size() - 1})
    bad.push_back(good.substr(0, cut));
  auto patched = [&](std::size_t at, std::string bytes) {
    std::string copy = good;
    copy.replace(at, bytes.size(), bytes);
    return copy;
  };
  bad.push_back(patched(2, std::string("\x05\x00", 2)));                  // not a cursor type
  bad.push_back(patched(4, std::string("\x00\x00", 2)));                  // no images
  bad.push_back(patched(18, std::string("\xF0\xFF\xFF\x7F", 4)));         // image offset past the end
  bad.push_back(patched(14, std::string("\xFF\xFF\xFF\x7F", 4)));         // image size past the end
  bad.push_back(patched(22 + 4, std::string("\x00\x00\x01\x00", 4)));     // 65536 pixels wide
  bad.push_back(patched(22 + 8, std::string("\x09\x00\x00\x00", 4)));     // odd doubled height
  bad.push_back(patched(22 + 14, std::string("\x07\x00", 2)));            // 7 bits a pixel
  bad.push_back(patched(22 + 16, std::string("\x01\x00\x00\x00", 4)));    // compressed
  bad.push_back(patched(22 + 32, std::string("\x00\x00\x00\x10", 4)));    // a huge palette: all 256, too long
  bad.push_back(patched(22, std::string("\x89PNG\r\n\x1a\n", 8)));        // a PNG that is not one
  for (std::size_t i = 0; i < bad.size(); ++i)
    EXPECT_FALSE(ReadCursorFile(QByteArrayView(bad[i].data(), static_cast<qsizetype>(bad[i].size())))) << i;
}

}  // namespace
}  // namespace orv
