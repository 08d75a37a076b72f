// WMF record streams built by hand: size without a placeable header, the
// object table, clipping and text.
#include <gtest/gtest.h>

#include "MetafileBuilder.h"
#include "imaging/PictureDecoder.h"

namespace orv::test {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kRedRef = 0x0000FF;
constexpr std::uint32_t kGreenRef = 0x00FF00;
constexpr std::uint32_t kBlueRef = 0xFF0000;

constexpr int kSetTextAlign = 0x012E;
constexpr int kSaveDc = 0x001E;
constexpr int kRestoreDc = 0x0127;
constexpr int kIntersectClip = 0x0416;
constexpr int kExcludeClip = 0x0415;
constexpr int kSelectClipRegion = 0x012C;

TEST(WmfRecords, WithoutPlaceableHeaderTheFirstWindowExtentIsTheSize) {
  const QByteArray bytes =
      WmfBuilder().NullPen().Select(0).SolidBrush(kRedRef).Select(1).WindowExt(200, 100).Rect(20, 20, 80, 60).Build(2);
  const auto picture = TMetafilePicture::Read(bytes);
  ASSERT_NE(picture, nullptr);
  EXPECT_FALSE(picture->IsEmf());
  EXPECT_EQ(picture->NaturalSize(), QSize(200, 100));
  const DecodedPicture decoded = DecodePicture(bytes);
  ASSERT_FALSE(decoded.bad);
  EXPECT_EQ(decoded.image.pixel(50, 40), kRed);
  EXPECT_EQ(decoded.image.pixel(150, 80), kWhite);
}

TEST(WmfRecords, WithoutAnyExtentItIsReadButHasNoSizeToShowAt) {
  const QByteArray bytes = WmfBuilder().Rect(0, 0, 10, 10).Build(0);
  const auto picture = TMetafilePicture::Read(bytes);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->NaturalSize().isEmpty());
  EXPECT_TRUE(DecodePicture(bytes).bad);
}

TEST(WmfRecords, CreateFillsTheLowestEmptySlotAndSelectionOutlivesDeletion) {
  WmfBuilder wmf;
  wmf.WindowExt(100, 50).NullPen().Select(0);  // slot 0
  wmf.SolidBrush(kRedRef).SolidBrush(kBlueRef);  // slots 1, 2
  wmf.Delete(1).SolidBrush(kGreenRef);           // green takes slot 1
  wmf.Select(1).Rect(0, 0, 50, 50);
  wmf.Select(2).Delete(2).Rect(50, 0, 100, 50);  // blue stays selected
  const QImage image = Render(wmf.Build(3), QSize(100, 50));
  EXPECT_EQ(image.pixel(25, 25), kGreen);
  EXPECT_EQ(image.pixel(75, 25), kBlue);
}

TEST(WmfRecords, ClipRectanglesAndTheirSaving) {
  const struct {
    const char* name;
    void (*clip)(WmfBuilder&);
    bool filled[4];  // top left, top right, bottom left, bottom right
  } cases[] = {
      {"intersect", [](WmfBuilder& b) { b.Record(kIntersectClip, {50, 50, 0, 0}); }, {true, false, false, false}},
      {"exclude", [](WmfBuilder& b) { b.Record(kExcludeClip, {50, 50, 0, 0}); }, {false, true, true, true}},
      {"intersect_twice",
       [](WmfBuilder& b) { b.Record(kIntersectClip, {100, 50, 0, 0}).Record(kIntersectClip, {50, 100, 0, 0}); },
       {true, false, false, false}},
      {"restored_by_restore_dc",
       [](WmfBuilder& b) { b.Record(kSaveDc, {}).Record(kIntersectClip, {50, 50, 0, 0}).Record(kRestoreDc, {-1}); },
       {true, true, true, true}},
      {"restore_to_the_first_save",
       [](WmfBuilder& b) {
         b.Record(kIntersectClip, {100, 50, 0, 0}).Record(kSaveDc, {}).Record(kIntersectClip, {50, 50, 0, 0});
         b.Record(kSaveDc, {}).Record(kExcludeClip, {10, 10, 0, 0}).Record(kRestoreDc, {1});
       },
       {true, false, true, false}},
      {"reset_by_select_clip_region",
       [](WmfBuilder& b) { b.Record(kIntersectClip, {50, 50, 0, 0}).Record(kSelectClipRegion, {0}); },
       {true, true, true, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WmfBuilder wmf;
    wmf.WindowExt(100, 100).NullPen().Select(0).SolidBrush(kRedRef).Select(1);
    c.clip(wmf);
    wmf.Rect(0, 0, 100, 100);
    const QImage image = Render(wmf.Build(2), QSize(100, 100));
    const QPoint quadrants[] = {{25, 25}, {75, 25}, {25, 75}, {75, 75}};
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(image.pixel(quadrants[i]), c.filled[i] ? kRed : kWhite) << "quadrant " << i;
  }
}

// A font record: the given height and face, everything else zero.
WmfBuilder& Font(WmfBuilder& b, int height, const QByteArray& face) {
  QByteArray raw;
  for (int v : {height, 0, 0, 0, 400, 0, 0, 0, 0}) PutU16(raw, static_cast<std::uint32_t>(v));
  QByteArray name = face.left(31);
  name.append('\0');
  if (name.size() % 2 != 0) name.append('\0');
  raw.append(name);
  QByteArray record;
  PutU32(record, static_cast<std::uint32_t>(3 + raw.size() / 2));
  PutU16(record, 0x02FB);
  record.append(raw);
  return b.Bytes(record);
}

WmfBuilder& TextOut(WmfBuilder& b, int x, int y, const QByteArray& text) {
  QByteArray record;
  QByteArray padded = text;
  if (padded.size() % 2 != 0) padded.append('\0');
  PutU32(record, static_cast<std::uint32_t>(3 + 1 + padded.size() / 2 + 2));
  PutU16(record, 0x0521);
  PutU16(record, static_cast<std::uint32_t>(text.size()));
  record.append(padded);
  PutU16(record, static_cast<std::uint32_t>(y));
  PutU16(record, static_cast<std::uint32_t>(x));
  return b.Bytes(record);
}

// ExtTextOut with a distance for every character and an opaque rectangle.
WmfBuilder& ExtTextOut(WmfBuilder& b, int x, int y, const QByteArray& text, int advance, QRect opaque) {
  QByteArray record;
  QByteArray padded = text;
  if (padded.size() % 2 != 0) padded.append('\0');
  PutU32(record, static_cast<std::uint32_t>(3 + 4 + 4 + padded.size() / 2 + text.size()));
  PutU16(record, 0x0A32);
  PutU16(record, static_cast<std::uint32_t>(y));
  PutU16(record, static_cast<std::uint32_t>(x));
  PutU16(record, static_cast<std::uint32_t>(text.size()));
  PutU16(record, 0x0002);  // opaque
  for (int v : {opaque.left(), opaque.top(), opaque.right() + 1, opaque.bottom() + 1})
    PutU16(record, static_cast<std::uint32_t>(v));
  record.append(padded);
  for (qsizetype i = 0; i < text.size(); ++i) PutU16(record, static_cast<std::uint32_t>(advance));
  return b.Bytes(record);
}

QImage RenderText(int align, void (*draw)(WmfBuilder&)) {
  WmfBuilder wmf;
  wmf.WindowExt(200, 100);
  Font(wmf, -20, "DejaVu Sans").Select(0);
  wmf.Record(0x0102, {1});  // transparent background
  wmf.Record(kSetTextAlign, {align});
  draw(wmf);
  return Render(wmf.Build(1), QSize(200, 100));
}

TEST(WmfRecords, TextAlignmentPlacesTheRunAroundItsReferencePoint) {
  const QRect plain = InkBox(RenderText(0, [](WmfBuilder& b) { TextOut(b, 100, 30, "HH"); }));
  ASSERT_FALSE(plain.isEmpty());
  // Left and top: the ink starts just right of and below the point.
  EXPECT_GE(plain.left(), 100);
  EXPECT_LE(plain.left(), 104);
  EXPECT_GE(plain.top(), 30);
  EXPECT_LE(plain.top(), 37);

  const QRect right = InkBox(RenderText(2, [](WmfBuilder& b) { TextOut(b, 100, 30, "HH"); }));
  EXPECT_LE(right.right(), 100);
  EXPECT_GE(right.right(), 95);
  EXPECT_NEAR(right.width(), plain.width(), 1);

  const QRect centre = InkBox(RenderText(6, [](WmfBuilder& b) { TextOut(b, 100, 30, "HH"); }));
  EXPECT_NEAR(centre.center().x(), 100, 2);

  // "H" sits on the baseline and has no descender.
  const QRect baseline = InkBox(RenderText(24, [](WmfBuilder& b) { TextOut(b, 100, 50, "HH"); }));
  EXPECT_LE(baseline.bottom(), 50);
  EXPECT_GE(baseline.bottom(), 48);

  const QRect bottom = InkBox(RenderText(8, [](WmfBuilder& b) { TextOut(b, 100, 50, "HH"); }));
  EXPECT_LT(bottom.bottom(), baseline.bottom());
  EXPECT_NEAR(bottom.height(), baseline.height(), 1);
}

TEST(WmfRecords, UpdateCpRunsFollowEachOtherFromTheCurrentPosition) {
  const QRect once = InkBox(RenderText(1, [](WmfBuilder& b) {
    b.Record(0x0214, {30, 20});  // MoveTo(20, 30)
    TextOut(b, 150, 90, "HH");
  }));
  const QRect twice = InkBox(RenderText(1, [](WmfBuilder& b) {
    b.Record(0x0214, {30, 20});
    TextOut(b, 150, 90, "HH");
    TextOut(b, 150, 90, "HH");
  }));
  ASSERT_FALSE(once.isEmpty());
  EXPECT_GE(once.left(), 20);
  EXPECT_LE(once.left(), 24);
  EXPECT_EQ(twice.left(), once.left());
  EXPECT_EQ(twice.top(), once.top());
  EXPECT_NEAR(twice.width(), 2 * once.width(), 4);
}

TEST(WmfRecords, ExtTextOutSpacesCharactersByItsDistancesOverItsOpaqueRectangle) {
  WmfBuilder wmf;
  wmf.WindowExt(200, 100);
  Font(wmf, -20, "DejaVu Sans").Select(0);
  wmf.Record(0x0102, {1});
  wmf.Colour(0x0201, kGreenRef);  // background colour
  ExtTextOut(wmf, 10, 10, "HH", 60, QRect(5, 60, 20, 20));
  const QImage image = Render(wmf.Build(1), QSize(200, 100));
  EXPECT_EQ(image.pixel(15, 70), kGreen);
  // The second "H" starts 60 to the right of the first.
  int firstInk = -1;
  int secondInk = -1;
  for (int x = 0; x < 200; ++x) {
    bool ink = false;
    for (int y = 10; y < 40; ++y) ink = ink || (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    if (ink && firstInk < 0) firstInk = x;
    if (ink && x > firstInk + 30 && secondInk < 0) secondInk = x;
  }
  ASSERT_GE(firstInk, 0);
  EXPECT_EQ(secondInk - firstInk, 60);
}

}  // namespace
}  // namespace orv::test
