// Damaged metafiles: playback ends at the first bad record and keeps what
// was drawn before it; data whose header cannot be read is no picture.
#include <gtest/gtest.h>

#include <QFile>
#include <random>
#include <string>

#include "MetafileBuilder.h"

namespace orv::test {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kRedRef = 0x0000FF;
constexpr std::uint32_t kBlueRef = 0xFF0000;

struct FaultCase {
  const char* name;
  QByteArray bytes;
};

// A red square on the left, then the fault, then a blue square on the
// right that must not be drawn.
WmfBuilder WmfBefore() {
  WmfBuilder wmf;
  wmf.WindowExt(100, 50).NullPen().Select(0).SolidBrush(kRedRef).Select(1).Rect(0, 0, 50, 50);
  wmf.SolidBrush(kBlueRef).Select(2);
  return wmf;
}

WmfBuilder& WmfAfter(WmfBuilder& wmf) { return wmf.Rect(50, 0, 100, 50); }

EmfBuilder EmfBefore() {
  EmfBuilder emf;
  emf.NullPen().SolidBrush(1, kRedRef).Select(1).Rect(0, 0, 50, 50).SolidBrush(2, kBlueRef).Select(2);
  return emf;
}

EmfBuilder& EmfAfter(EmfBuilder& emf) { return emf.Rect(50, 0, 100, 50); }

const QRect kFrame = Edges(0, 0, 2646, 1323);  // 100 x 50 pixels

std::vector<FaultCase> Cases() {
  std::vector<FaultCase> cases;
  auto wmf = [&](const char* name, auto fault, int objects = 3) {
    WmfBuilder b = WmfBefore();
    fault(b);
    cases.push_back({name, WmfAfter(b).Build(objects)});
  };
  auto emf = [&](const char* name, auto fault) {
    EmfBuilder b = EmfBefore();
    fault(b);
    cases.push_back({name, EmfAfter(b).Build(kFrame, 3)});
  };
  wmf("wmf_record_past_the_data", [](WmfBuilder& b) { b.RawRecord(100000, 0x041B, {50, 100, 0, 50}); });
  wmf("wmf_record_shorter_than_its_header", [](WmfBuilder& b) { b.RawRecord(2, 0x041B, {}); });
  wmf("wmf_rectangle_cut_short", [](WmfBuilder& b) { b.Record(0x041B, {50, 100}); });
  wmf("wmf_select_outside_the_table", [](WmfBuilder& b) { b.Select(40); });
  wmf("wmf_delete_outside_the_table", [](WmfBuilder& b) { b.Delete(3); });
  wmf("wmf_create_into_a_full_table", [](WmfBuilder& b) { b.SolidBrush(kBlueRef); });
  wmf("wmf_polygon_count_beyond_its_points", [](WmfBuilder& b) { b.Record(0x0324, {30000, 0, 0, 10, 10}); });
  wmf("wmf_polypolygon_counts_beyond_its_points", [](WmfBuilder& b) { b.Record(0x0538, {2, 3, 9000, 0, 0}); });
  wmf("wmf_text_longer_than_its_record", [](WmfBuilder& b) { b.Record(0x0521, {2000, 0x4141, 10, 10}); });
  emf("emf_record_past_the_data", [](EmfBuilder& b) { b.RawRecord(43, 100000, {50, 0, 100, 50}); });
  emf("emf_record_shorter_than_its_header", [](EmfBuilder& b) { b.RawRecord(43, 4, {}); });
  emf("emf_rectangle_cut_short", [](EmfBuilder& b) { b.Record(43, {50, 0}); });
  emf("emf_select_outside_the_table", [](EmfBuilder& b) { b.Select(50); });
  emf("emf_create_outside_the_table", [](EmfBuilder& b) { b.SolidBrush(3, kBlueRef); });
  emf("emf_create_in_slot_zero", [](EmfBuilder& b) { b.SolidBrush(0, kBlueRef); });
  emf("emf_polygon_count_beyond_its_points", [](EmfBuilder& b) { b.Record(3, {0, 0, 0, 0, 0x10000000, 0, 0}); });
  emf("emf_polypolygon_counts_not_adding_up", [](EmfBuilder& b) { b.Record(8, {0, 0, 0, 0, 1, 2, 3, 0, 0, 9, 9}); });
  emf("emf_text_outside_its_record", [](EmfBuilder& b) {
    b.Record(84, {0, 0, 0, 0, 1, 0, 0, 10, 10, 5, 5000, 0, 0, 0, 0, 0, 0});
  });
  emf("emf_bitmap_outside_its_record", [](EmfBuilder& b) {
    b.Record(81, {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 80, 40, 120, 4000, 0, 0x00CC0020, 50, 50});
  });
  emf("emf_pen_dashes_beyond_its_record", [](EmfBuilder& b) {
    b.Record(95, {1, 0, 0, 0, 0, 0x10007, 5, 0, 0, 0, 1000000});
  });
  return cases;
}

TEST(MetafileFault, PlaybackStopsAtTheBadRecordKeepingEarlierDrawing) {
  for (const FaultCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const QImage image = Render(c.bytes, QSize(100, 50));
    EXPECT_EQ(image.pixel(25, 25), kRed);
    EXPECT_EQ(image.pixel(75, 25), kWhite);
  }
}

TEST(MetafileFault, TheSameStreamsWithoutTheFaultDrawBoth) {
  // Guards the cases above: the blue square is drawn when nothing is wrong.
  WmfBuilder wmf = WmfBefore();
  EmfBuilder emf = EmfBefore();
  for (const QByteArray& bytes : {WmfAfter(wmf).Build(3), EmfAfter(emf).Build(kFrame, 3)}) {
    const QImage image = Render(bytes, QSize(100, 50));
    EXPECT_EQ(image.pixel(25, 25), kRed);
    EXPECT_EQ(image.pixel(75, 25), 0xFF0000FF);
  }
}

TEST(MetafileFault, UnreadableHeadersAreNoPicture) {
  const QByteArray emf = EmfBuilder().Build(kFrame, 1);
  const QByteArray wmf = WmfBuilder().WindowExt(10, 10).Build(1);
  QByteArray wrongWmfHeaderSize = wmf;
  wrongWmfHeaderSize[2] = 8;
  QByteArray emfSizeBeyondData = emf;
  emfSizeBeyondData[4] = static_cast<char>(0xF0);
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"empty", QByteArray()},
      {"garbage", QByteArray("not a metafile, not at all")},
      {"emf_without_signature", EmfBuilder().Build(kFrame, 1, 0x12345678)},
      {"emf_header_cut_short", emf.left(87)},
      {"emf_header_size_beyond_data", emfSizeBeyondData},
      {"wmf_header_cut_short", wmf.left(17)},
      {"wmf_wrong_header_size", wrongWmfHeaderSize},
      {"placeable_without_standard_header", WmfBuilder().Build(1, true, 100, 100).left(30)},
  };
  for (const auto& c : cases) EXPECT_EQ(TMetafilePicture::Read(c.bytes), nullptr) << c.name;
}

QByteArray Fixture(const char* name) {
  QFile file(QString(ORVALIS_TEST_DATA_DIR "/imaging/metafile/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

TEST(MetafileFault, CutAndScrambledFixturesPlayWithoutHarm) {
  std::mt19937 random(20240611);
  for (const char* name : {"shapes.wmf", "shapes.emf", "image.wmf", "image.emf", "text.wmf", "text.emf"}) {
    SCOPED_TRACE(name);
    const QByteArray whole = Fixture(name);
    const bool emf = QByteArray(name).endsWith(".emf");
    // The headers: the whole EMF header record (its size at offset 4), or
    // the placeable and standard ones.
    const auto* raw = reinterpret_cast<const unsigned char*>(whole.constData());
    const qsizetype headerSize = emf ? raw[4] | (raw[5] << 8) : 40;
    for (qsizetype length = 0; length < whole.size(); length += 5) {
      const QByteArray cut = whole.left(length);
      const auto picture = TMetafilePicture::Read(cut);
      EXPECT_EQ(picture != nullptr, length >= headerSize) << length;
      if (picture != nullptr) Render(cut, QSize(64, 32));
    }
    for (int round = 0; round < 200; ++round) {
      QByteArray scrambled = whole;
      for (int i = 0; i < 4; ++i) {
        const auto at = std::uniform_int_distribution<qsizetype>(headerSize, whole.size() - 1)(random);
        scrambled[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
      }
      ASSERT_NE(TMetafilePicture::Read(scrambled), nullptr);
      Render(scrambled, QSize(64, 32));
    }
  }
}

}  // namespace
}  // namespace orv::test
