// The index parameter of the list-box commands.
#include "commands/objectparams/ListIndexText.h"

#include <gtest/gtest.h>

#include <ostream>

namespace orv {
namespace {

using Kind = ListIndex::Kind;

struct IndexCase {
  const char* text;
  Kind kind;
  bool validForThree;
};
std::ostream& operator<<(std::ostream& out, const IndexCase& c) { return out << '"' << c.text << '"'; }

class ListIndexTextTest : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ListIndexTextTest, ReadsIndexOrWord) {
  const ListIndex index = ReadListIndex(GetParam().text, '.');
  EXPECT_EQ(index.What, GetParam().kind);
  EXPECT_EQ(index.ValidFor(3), GetParam().validForThree);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListIndexTextTest,
    ::testing::Values(IndexCase{"1", Kind::Number, true}, IndexCase{"3", Kind::Number, true},
                      IndexCase{"2.8", Kind::Number, true}, IndexCase{"0", Kind::Number, false},
                      IndexCase{"4", Kind::Number, false}, IndexCase{"-1", Kind::Number, false},
                      IndexCase{"99999999999999", Kind::Number, false},
                      IndexCase{"-99999999999999", Kind::Number, false}, IndexCase{"ALL", Kind::All, false},
                      IndexCase{"all", Kind::All, false}, IndexCase{"Selected", Kind::Selected, false},
                      IndexCase{"SELECTED", Kind::Selected, false},
                      // Not a number: invalid, never item 0 or 1.
                      IndexCase{"", Kind::Invalid, false}, IndexCase{"first", Kind::Invalid, false},
                      IndexCase{"ALL ", Kind::Invalid, false}, IndexCase{"1,2", Kind::Invalid, false}));

TEST(ListIndexTextNumberTest, KeepsTheOneBasedNumber) {
  EXPECT_EQ(ReadListIndex("2", '.').Number, 2);
  EXPECT_EQ(ReadListIndex("2,9", ',').Number, 2);
}

}  // namespace
}  // namespace orv
