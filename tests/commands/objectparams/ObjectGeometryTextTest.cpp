// Coordinates and sizes of MoveObject and SizeObject.
#include "commands/objectparams/ObjectGeometryText.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orv {
namespace {

struct GeometryCase {
  const char* text;
  int coordinate;
  int size;
};
std::ostream& operator<<(std::ostream& out, const GeometryCase& c) { return out << '"' << c.text << '"'; }

constexpr int kMost = static_cast<int>(kLargestCoordinate);

class ObjectGeometryTextTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(ObjectGeometryTextTest, ReadsCoordinateAndSize) {
  EXPECT_EQ(ReadCoordinate(GetParam().text, '.'), GetParam().coordinate);
  EXPECT_EQ(ReadObjectSize(GetParam().text, '.'), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ObjectGeometryTextTest,
    ::testing::Values(GeometryCase{"0", 0, 0}, GeometryCase{"120", 120, 120}, GeometryCase{"12.9", 12, 12},
                      // -1 keeps the current size; other negative sizes are 0.
                      GeometryCase{"-1", -1, -1}, GeometryCase{"-1.5", -1, -1}, GeometryCase{"-2", -2, 0},
                      GeometryCase{"-0.5", 0, 0}, GeometryCase{"16777215", kMost, kMost},
                      GeometryCase{"-16777215", -kMost, 0}, GeometryCase{"16777216", kMost, kMost},
                      GeometryCase{"-16777216", -kMost, 0}, GeometryCase{"2000000000000", kMost, kMost},
                      GeometryCase{"-1e300", -kMost, 0}, GeometryCase{"1e300", kMost, kMost},
                      // Not a whole number: 0.
                      GeometryCase{"", 0, 0}, GeometryCase{"left", 0, 0}, GeometryCase{"1,5", 0, 0}));

}  // namespace
}  // namespace orv
