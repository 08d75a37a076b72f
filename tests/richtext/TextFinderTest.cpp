#include "richtext/TextFinder.h"

#include <gtest/gtest.h>

#include <ostream>

#include "richtext/RichTextDocument.h"

namespace orv::rt {
namespace {

struct FindCase {
  const char* pattern;
  int from;
  int start;  // -1: not found
  int length;
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << c.pattern; }

class Finding : public ::testing::TestWithParam<FindCase> {};

// "The Cat sat on the mat.\nCatalogue" with a hidden run after "sat".
TEST_P(Finding, FindsTheNextMatch) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 The Cat sat{\\v XYZ} on the mat.\\par Catalogue}");
  const std::optional<TextRange> r = doc.Find(GetParam().pattern, GetParam().from);
  if (GetParam().start < 0) {
    EXPECT_FALSE(r.has_value());
  } else {
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->start, GetParam().start);
    EXPECT_EQ(r->length, GetParam().length);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Finding,
                         ::testing::Values(FindCase{"cat", 0, 4, 3}, FindCase{"CAT", 5, 25, 3},
                                           FindCase{"c?t", 0, 4, 3}, FindCase{"s*n", 0, 8, 7},
                                           FindCase{"m?t.", 0, 20, 4}, FindCase{"xyz", 0, -1, 0},
                                           FindCase{"sat on", 0, 8, 7}, FindCase{"dog", 0, -1, 0},
                                           FindCase{"*", 0, -1, 0}, FindCase{"", 0, -1, 0},
                                           FindCase{"logue", 26, 29, 5}, FindCase{"a.", 0, -1, 0}));

TEST(Finding, RepeatedSearchWalksThroughAllMatches) {
  RichTextDocument doc;
  doc.Load("ab ab\r\nab");
  std::vector<int> starts;
  int from = 0;
  while (auto r = doc.Find("AB", from)) {
    starts.push_back(r->start);
    from = r->start + r->length;
  }
  EXPECT_EQ(starts, (std::vector<int>{0, 3, 6}));
}

}  // namespace
}  // namespace orv::rt
