// EMF record streams built by hand: the header, objects, paths, clipping,
// arcs, brushes, bitmaps and text.
#include <gtest/gtest.h>

#include <QString>

#include "MetafileBuilder.h"

namespace orv::test {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr std::uint32_t kRedRef = 0x0000FF;
constexpr std::uint32_t kBlueRef = 0xFF0000;

const QRect kInch = Edges(0, 0, 2540, 2540);  // 96 x 96 pixels

EmfBuilder RedEmf() {
  EmfBuilder emf;
  emf.NullPen().SolidBrush(1, kRedRef).Select(1);
  return emf;
}

TEST(EmfRecords, HeaderGivesTheSizeAndTheRectangleShown) {
  const struct {
    const char* name;
    QRect frame;
    QRect bounds;
    QPoint origin;  // the corner of what is shown, in device pixels
  } cases[] = {
      {"frame", Edges(0, 0, 2540, 1270), {}, {0, 0}},
      {"frame_away_from_the_origin", Edges(1270, 1270, 3810, 2540), {}, {48, 48}},
      {"bounds_when_the_frame_is_empty", Edges(0, 0, 0, 0), Edges(0, 0, 95, 47), {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // A rectangle over the right half of what is shown.
    const QPoint o = c.origin;
    const QByteArray bytes =
        RedEmf().Rect(o.x() + 48, o.y(), o.x() + 96, o.y() + 48).Build(c.frame, 2, 0x464D4520, c.bounds);
    const auto picture = TMetafilePicture::Read(bytes);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->IsEmf());
    EXPECT_EQ(picture->NaturalSize(), QSize(96, 48));
    const QImage image = Render(bytes, QSize(96, 48));
    EXPECT_EQ(image.pixel(72, 24), kRed);
    EXPECT_EQ(image.pixel(24, 24), kWhite);
  }
}

TEST(EmfRecords, ObjectsStockObjectsAndSelectionOutlivingDeletion) {
  EmfBuilder emf;
  emf.NullPen().SolidBrush(2, kRedRef).Select(2).Delete(2).Rect(0, 0, 32, 32);  // still red
  emf.Select(2).Rect(32, 0, 64, 32);              // the emptied slot selects nothing: red
  emf.Select(0x80000004).Rect(64, 0, 96, 32);     // stock black brush
  emf.Select(0x80000005).Rect(0, 32, 96, 64);     // stock null brush: nothing
  const QImage image = Render(emf.Build(kInch, 3), QSize(96, 96));
  EXPECT_EQ(image.pixel(16, 16), kRed);
  EXPECT_EQ(image.pixel(48, 16), kRed);
  EXPECT_EQ(image.pixel(80, 16), kBlack);
  EXPECT_EQ(image.pixel(48, 48), kWhite);
}

TEST(EmfRecords, PathsFillStrokeAndClip) {
  // A triangle with its right angle at the top left, and a curve closing
  // the upper half of a disc.
  auto triangle = [](EmfBuilder& b) {
    b.Record(59, {});
    b.Record(27, {0, 0}).Record(54, {96, 0}).Record(54, {0, 96});
    b.Record(61, {}).Record(60, {});
  };
  {
    EmfBuilder emf = RedEmf();
    triangle(emf);
    emf.Record(62, {0, 0, 0, 0});  // fill
    const QImage image = Render(emf.Build(kInch, 2), QSize(96, 96));
    EXPECT_EQ(image.pixel(20, 20), kRed);
    EXPECT_EQ(image.pixel(70, 70), kWhite);
  }
  {
    EmfBuilder emf = RedEmf();
    triangle(emf);
    emf.Record(67, {5});  // the path becomes the clip
    emf.Rect(0, 0, 96, 96);
    const QImage image = Render(emf.Build(kInch, 2), QSize(96, 96));
    EXPECT_EQ(image.pixel(20, 20), kRed);
    EXPECT_EQ(image.pixel(70, 70), kWhite);
  }
  {
    EmfBuilder emf = RedEmf();
    emf.Record(59, {}).Record(27, {0, 48});
    // PolyBezierTo16: the upper half of a disc of radius 48.
    emf.Record(88, {0, 0, 0, 0, 3, (0 & 0xFFFF) | (-16 << 16), 96 | (-16 << 16), 96 | (48 << 16)});
    emf.Record(61, {}).Record(60, {}).Record(62, {0, 0, 0, 0});
    const QImage image = Render(emf.Build(kInch, 2), QSize(96, 96));
    EXPECT_EQ(image.pixel(48, 30), kRed);
    EXPECT_EQ(image.pixel(48, 60), kWhite);
    EXPECT_EQ(image.pixel(3, 10), kWhite);
  }
}

TEST(EmfRecords, RegionClipReplacesAndResets) {
  // Region data: header (32 bytes) and one rectangle in device pixels.
  auto region = [](EmfBuilder& b, int mode, QRect rect) {
    b.Record(75, {48, mode, 32, 1, 1, 16, rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1, rect.left(),
                  rect.top(), rect.right() + 1, rect.bottom() + 1});
  };
  EmfBuilder clipped = RedEmf();
  region(clipped, 5, QRect(48, 0, 48, 96));
  clipped.Rect(0, 0, 96, 96);
  QImage image = Render(clipped.Build(kInch, 2), QSize(96, 96));
  EXPECT_EQ(image.pixel(72, 48), kRed);
  EXPECT_EQ(image.pixel(24, 48), kWhite);

  EmfBuilder reset = RedEmf();
  region(reset, 5, QRect(48, 0, 48, 96));
  reset.Record(75, {0, 5});  // no region data: the clip opens again
  reset.Rect(0, 0, 96, 96);
  image = Render(reset.Build(kInch, 2), QSize(96, 96));
  EXPECT_EQ(image.pixel(24, 48), kRed);
}

TEST(EmfRecords, PiesRunCounterClockwiseOnTheDeviceUnlessTurned) {
  // From the radial at three o'clock to the one at twelve.
  const struct {
    const char* name;
    int mapMode;
    bool clockwise;
    bool topRightOnly;
  } cases[] = {
      {"device_units", 1, false, true},
      {"y_upwards", 2, false, true},
      {"clockwise", 1, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EmfBuilder emf = RedEmf();
    emf.Record(17, {c.mapMode});
    if (c.clockwise) emf.Record(57, {2});
    if (c.mapMode == 1) {
      emf.Record(47, {0, 0, 96, 96, 96, 48, 48, 0});
    } else {
      // Tenths of a millimetre with y up: the box is one inch square.
      emf.Record(47, {0, 0, 254, -254, 254, -127, 127, 0});
    }
    const QImage image = Render(emf.Build(kInch, 2), QSize(96, 96));
    EXPECT_EQ(image.pixel(72, 24), c.topRightOnly ? kRed : kWhite);
    for (const QPoint other : {QPoint(24, 24), QPoint(24, 72), QPoint(72, 72)})
      EXPECT_EQ(image.pixel(other), c.topRightOnly ? kWhite : kRed) << other.x() << "," << other.y();
  }
}

TEST(EmfRecords, HatchedBrushFillsItsGapsOnlyOnAnOpaqueBackground) {
  for (const bool opaque : {true, false}) {
    SCOPED_TRACE(opaque ? "opaque" : "transparent");
    EmfBuilder emf;
    emf.NullPen().Record(39, {1, 2, kBlueRef, 4}).Select(1);  // blue cross hatch
    emf.Record(18, {opaque ? 2 : 1}).Record(25, {0x00FFFF});  // background yellow
    emf.Rect(0, 0, 96, 96);
    const QImage image = Render(emf.Build(kInch, 2), QSize(96, 96));
    image.save(QString("/tmp/metafile-hatch-%1.png").arg(opaque ? "opaque" : "transparent"));
    int blue = 0, gaps = 0, other = 0;
    for (int y = 10; y < 86; ++y)
      for (int x = 10; x < 86; ++x) {
        const QRgb p = image.pixel(x, y);
        if (p == kBlue)
          ++blue;
        else if (p == (opaque ? kYellow : kWhite))
          ++gaps;
        else
          ++other;
      }
    EXPECT_GT(blue, 0);
    EXPECT_GT(gaps, blue);
    EXPECT_EQ(other, 0);
  }
}

TEST(EmfRecords, PatternBrushesKeepTheirPixelSpacingWhenThePictureIsEnlarged) {
  // An 8 x 8 one-bit pattern: a blue column on white.
  QByteArray body;
  for (int v : {1, 0, 32, 48, 80, 32, 40, 8, 8}) PutU32(body, static_cast<std::uint32_t>(v));
  PutU16(body, 1);
  PutU16(body, 1);
  for (int i = 0; i < 6; ++i) PutU32(body, 0);
  for (std::uint32_t colour : {0xFFFFFFu, 0x0000FFu}) PutU32(body, colour);  // white, then blue as B G R 0
  for (int row = 0; row < 8; ++row) PutU32(body, 0x80);
  EmfBuilder emf;
  emf.NullPen().Bytes(94, body).Select(1).Rect(0, 0, 96, 96);
  const QByteArray bytes = emf.Build(kInch, 2);
  // Hatch lines met along the middle row of each size.
  auto lines = [&](int size) {
    const QImage image = Render(bytes, QSize(size, size));
    int count = 0;
    for (int x = 1; x < size; ++x)
      if (image.pixel(x, size / 2) == kBlue && image.pixel(x - 1, size / 2) != kBlue) ++count;
    return count;
  };
  // One column in eight, however large the picture is drawn.
  EXPECT_NEAR(lines(96), 96 / 8, 1);
  EXPECT_NEAR(lines(384), 384 / 8, 1);
}

// A 2 x 2 bottom-up 24-bit bitmap: red, green on top; blue, white below.
QByteArray QuadBitmap() {
  QByteArray dib;
  for (int v : {40, 2, 2}) PutU32(dib, static_cast<std::uint32_t>(v));
  PutU16(dib, 1);
  PutU16(dib, 24);
  for (int i = 0; i < 6; ++i) PutU32(dib, 0);
  const unsigned char rows[] = {255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};  // bottom row first
  dib.append(reinterpret_cast<const char*>(rows), sizeof rows);
  return dib;
}

TEST(EmfRecords, StretchDiBitsCountsSourceRowsFromTheBottom) {
  const QByteArray dib = QuadBitmap();
  const struct {
    QRect source;
    QRgb colour;
  } cases[] = {{{0, 0, 2, 2}, kRed}, {{0, 0, 1, 1}, kBlue}, {{1, 1, 1, 1}, 0xFF00FF00}};
  for (const auto& c : cases) {
    QByteArray body;
    for (int v : {0, 0, 0, 0, 0, 0, c.source.x(), c.source.y(), c.source.width(), c.source.height(), 80, 40, 120,
                  16, 0, 0x00CC0020, 96, 96})
      PutU32(body, static_cast<std::uint32_t>(v));
    body.append(dib);
    const QImage image = Render(EmfBuilder().Bytes(81, body).Build(kInch, 1), QSize(96, 96));
    EXPECT_EQ(image.pixel(10, 10), c.colour) << c.source.x() << "," << c.source.y();
  }
}

// A 20 x 20 bottom-up 24-bit bitmap: red above, blue below.
QByteArray HalvesBitmap() {
  QByteArray dib;
  for (int v : {40, 20, 20}) PutU32(dib, static_cast<std::uint32_t>(v));
  PutU16(dib, 1);
  PutU16(dib, 24);
  for (int i = 0; i < 6; ++i) PutU32(dib, 0);
  for (int row = 0; row < 20; ++row) {
    for (int x = 0; x < 20; ++x) {
      const QRgb c = row < 10 ? kBlue : kRed;  // the first rows are the bottom ones
      dib.append(static_cast<char>(qBlue(c)));
      dib.append(static_cast<char>(qGreen(c)));
      dib.append(static_cast<char>(qRed(c)));
    }
  }
  return dib;
}

TEST(EmfRecords, BitmapsWithANegativeHeightAreDrawnUpsideDown) {
  // Full size, and shrunk to 8 rows (a small negative scale).
  const struct {
    int y, height;
    QPoint red, blue;
  } cases[] = {{96, -96, {48, 80}, {48, 16}}, {58, -8, {48, 57}, {48, 51}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    QByteArray body;
    for (int v : {0, 0, 0, 0, 0, c.y, 0, 0, 20, 20, 80, 40, 120, 1200, 0, 0x00CC0020, 96, c.height})
      PutU32(body, static_cast<std::uint32_t>(v));
    body.append(HalvesBitmap());
    const QImage image = Render(EmfBuilder().Bytes(81, body).Build(kInch, 1), QSize(96, 96));
    EXPECT_EQ(image.pixel(c.red), kRed);
    EXPECT_EQ(image.pixel(c.blue), kBlue);
  }
}

// StretchBlt of a 2 x 1 bitmap over the whole 96 x 96 picture.
QByteArray StretchBlt(std::uint32_t rop, QRgb left, QRgb right) {
  QByteArray body;
  for (std::int64_t v : {std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, std::int64_t{0},
                         std::int64_t{0}, std::int64_t{96}, std::int64_t{96}, std::int64_t{rop}, std::int64_t{0},
                         std::int64_t{0}, FloatBits(1), std::int64_t{0}, std::int64_t{0}, FloatBits(1),
                         std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, std::int64_t{0}, std::int64_t{108},
                         std::int64_t{40}, std::int64_t{148}, std::int64_t{8}, std::int64_t{2}, std::int64_t{1}})
    PutU32(body, static_cast<std::uint32_t>(v));
  for (int v : {40, 2, 1}) PutU32(body, static_cast<std::uint32_t>(v));
  PutU16(body, 1);
  PutU16(body, 24);
  for (int i = 0; i < 6; ++i) PutU32(body, 0);
  for (QRgb c : {left, right}) {
    body.append(static_cast<char>(qBlue(c)));
    body.append(static_cast<char>(qGreen(c)));
    body.append(static_cast<char>(qRed(c)));
  }
  body.append(2, '\0');
  return body;
}

TEST(EmfRecords, MaskAndImageBlitsLeaveTheBackgroundWhereTheMaskIsWhite) {
  // The usual transparency: the mask ANDed in (white keeps, black clears),
  // then the picture ORed in (black keeps).
  EmfBuilder emf;
  emf.NullPen().Record(39, {1, 0, 0x00FF00, 0}).Select(1).Rect(0, 0, 96, 96);
  emf.Bytes(77, StretchBlt(0x008800C6, kWhite, kBlack));
  emf.Bytes(77, StretchBlt(0x00EE0086, kBlack, kRed));
  const QImage image = Render(emf.Build(kInch, 2), QSize(96, 96));
  EXPECT_EQ(image.pixel(24, 48), 0xFF00FF00);
  EXPECT_EQ(image.pixel(72, 48), kRed);
}

TEST(EmfRecords, GeometryReachingFarPastThePictureShowsItsVisiblePart) {
  constexpr int kFar = 1000000;
  QByteArray stretched;
  for (int v : {0, 0, 0, 0, -kFar, -kFar, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 2 * kFar + 200, 2 * kFar + 200})
    PutU32(stretched, static_cast<std::uint32_t>(v));
  stretched.append(QuadBitmap());
  const struct {
    const char* name;
    QByteArray bytes;
    QPoint at;
    QRgb colour;
    QPoint outside;  // stays white
  } cases[] = {
      {"filled", RedEmf().Rect(-2 * kFar, -2 * kFar, 2 * kFar, 2 * kFar).Build(kInch, 2), {48, 48}, kRed, {-1, -1}},
      {"stroked",
       EmfBuilder()
           .Record(38, {1, 0, 20, 0, kBlueRef})
           .Select(1)
           .Record(27, {-kFar, 48})
           .Record(54, {kFar, 48})
           .Build(kInch, 2),
       {48, 48},
       kBlue,
       {48, 20}},
      {"bitmap", EmfBuilder().Bytes(81, stretched).Build(kInch, 1), {48, 48}, kRed, {-1, -1}},
      {"clip", RedEmf().Record(30, {-kFar, -kFar, 48, kFar}).Rect(0, 0, 96, 96).Build(kInch, 2), {24, 48}, kRed,
       {72, 48}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage image = Render(c.bytes, QSize(96, 96));
    EXPECT_EQ(image.pixel(c.at), c.colour);
    if (c.outside.x() >= 0) {
      EXPECT_EQ(image.pixel(c.outside), kWhite);
    }
  }
}

QByteArray FontBody(int index, int height, const QString& face) {
  QByteArray body;
  for (int v : {index, height, 0, 0, 0, 400, 0, 0}) PutU32(body, static_cast<std::uint32_t>(v));
  for (int i = 0; i < 32; ++i) PutU16(body, i < face.size() ? face.at(i).unicode() : 0);
  return body;
}

TEST(EmfRecords, WideTextMatchesTheSameTextInTheAnsiCodePage) {
  // "€ Café" as UTF-16 in an EMF and as Windows-1252 bytes in a WMF, both on
  // a 192 x 96 picture at one logical unit a pixel.
  const QString text = QString::fromUtf8("\u20AC Caf\u00E9");
  QByteArray textBody;
  for (int v : {0, 0, -1, -1, 1, 0, 0, 20, 20, static_cast<int>(text.size()), 76, 0, 0, 0, -1, -1, 0})
    PutU32(textBody, static_cast<std::uint32_t>(v));
  for (QChar ch : text) PutU16(textBody, ch.unicode());
  while (textBody.size() % 4 != 0) textBody.append('\0');
  EmfBuilder emf;
  emf.Bytes(82, FontBody(1, -30, "DejaVu Sans")).Select(1).Record(18, {1}).Bytes(84, textBody);
  const QImage wide = Render(emf.Build(Edges(0, 0, 5080, 2540), 2), QSize(192, 96));

  WmfBuilder wmf;
  QByteArray font;
  for (int v : {-30, 0, 0, 0, 400, 0, 0, 0, 0}) PutU16(font, static_cast<std::uint32_t>(v));
  font.append("DejaVu Sans\0", 12);
  QByteArray fontRecord;
  PutU32(fontRecord, static_cast<std::uint32_t>(3 + font.size() / 2));
  PutU16(fontRecord, 0x02FB);
  fontRecord.append(font);
  const QByteArray ansi("\x80 Caf\xE9", 6);
  QByteArray textRecord;
  PutU32(textRecord, 3 + 1 + 3 + 2);
  PutU16(textRecord, 0x0521);
  PutU16(textRecord, static_cast<std::uint32_t>(ansi.size()));
  textRecord.append(ansi);
  PutU16(textRecord, 20);
  PutU16(textRecord, 20);
  wmf.WindowExt(192, 96).Bytes(fontRecord).Select(0).Record(0x0102, {1}).Bytes(textRecord);
  const QImage narrow = Render(wmf.Build(1), QSize(192, 96));

  wide.save("/tmp/metafile-text-wide.png");
  narrow.save("/tmp/metafile-text-ansi.png");
  ASSERT_FALSE(InkBox(wide).isEmpty());
  EXPECT_EQ(InkBox(wide), InkBox(narrow));
  EXPECT_EQ(wide, narrow);
}

}  // namespace
}  // namespace orv::test
