// Mapping modes, window and viewport extents and the EMF world transform:
// every case fills the top-left quadrant of a 96 x 96 picture in its own way.
#include <gtest/gtest.h>

#include <string>

#include "MetafileBuilder.h"

namespace orv::test {
namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kRedRef = 0x0000FF;

struct MappingCase {
  const char* name;
  QByteArray bytes;
};

WmfBuilder RedWmf() {
  WmfBuilder wmf;
  wmf.NullPen().Select(0).SolidBrush(kRedRef).Select(1);
  return wmf;
}

EmfBuilder RedEmf() {
  EmfBuilder emf;
  emf.NullPen().SolidBrush(1, kRedRef).Select(1);
  return emf;
}

const QRect kInch = Edges(0, 0, 2540, 2540);  // 96 x 96 pixels

std::vector<MappingCase> Cases() {
  std::vector<MappingCase> cases;
  // Placeable box of one inch in twips, and no window records.
  cases.push_back({"placeable_twips", RedWmf().Rect(0, 0, 720, 720).Build(2, true, 1440, 1440, 1440)});
  // The first window extent gives the size; a later one rescales.
  cases.push_back({"second_window_extent", RedWmf().WindowExt(96, 96).WindowExt(48, 48).Rect(0, 0, 24, 24).Build(2)});
  cases.push_back({"window_origin", RedWmf().WindowOrg(100, 100).WindowExt(96, 96).Rect(100, 100, 148, 148).Build(2)});
  // A negative extent turns y upwards.
  cases.push_back({"flipped_window", RedWmf().WindowOrg(0, 96).WindowExt(96, -96).Rect(0, 48, 48, 96).Build(2)});
  // The viewport extent scales the reference device the window maps onto.
  cases.push_back({"viewport_extent",
                   RedWmf().WindowExt(96, 96).Record(0x020E, {192, 192}).Rect(0, 0, 24, 24).Build(2)});
  // Tenths of a millimetre, y upwards: 12.7 mm is half an inch.
  cases.push_back({"emf_lometric", RedEmf().Record(17, {2}).Rect(0, 0, 127, -127).Build(kInch, 2)});
  cases.push_back({"emf_anisotropic", RedEmf()
                                          .Record(17, {8})
                                          .Record(9, {10, 10})
                                          .Record(11, {96, 96})
                                          .Rect(0, 0, 5, 5)
                                          .Build(kInch, 2)});
  // The smaller of the two scales (96/20) serves both directions.
  cases.push_back({"emf_isotropic", RedEmf()
                                        .Record(17, {7})
                                        .Record(9, {10, 20})
                                        .Record(11, {96, 96})
                                        .Rect(0, 0, 10, 10)
                                        .Build(kInch, 2)});
  cases.push_back({"emf_set_world", RedEmf()
                                        .Record(35, {FloatBits(2), 0, 0, FloatBits(2), 0, 0})
                                        .Rect(0, 0, 24, 24)
                                        .Build(kInch, 2)});
  // Set a translation, then multiply a scale in on the left: the scale
  // applies first.
  cases.push_back({"emf_modify_world", RedEmf()
                                           .Record(36, {FloatBits(1), 0, 0, FloatBits(1), FloatBits(48),
                                                        FloatBits(48), 4})
                                           .Record(36, {FloatBits(2), 0, 0, FloatBits(2), 0, 0, 2})
                                           .Rect(-24, -24, 0, 0)
                                           .Build(kInch, 2)});
  return cases;
}

TEST(MetafileMapping, EveryWayFillsTheTopLeftQuadrant) {
  for (const MappingCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    const auto picture = TMetafilePicture::Read(c.bytes);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->NaturalSize(), QSize(96, 96));
    const QImage image = Render(c.bytes, QSize(96, 96));
    image.save(QString("/tmp/metafile-mapping-%1.png").arg(c.name));
    EXPECT_EQ(image.pixel(4, 4), kRed);
    EXPECT_EQ(image.pixel(44, 44), kRed);
    for (const QPoint white : {QPoint(52, 20), QPoint(20, 52), QPoint(70, 70)})
      EXPECT_EQ(image.pixel(white), kWhite) << white.x() << "," << white.y();
  }
}

}  // namespace
}  // namespace orv::test
