// MoveObjectAlongPath's path text and delay as the mover takes them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/media/MoverPath.h"

namespace orv {
namespace {

std::string Text(const std::vector<QPoint>& points) {
  std::string text;
  for (const QPoint& p : points) text += "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")";
  return text;
}

TEST(MoverPath, ReadsNumbersInPairs) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"10,20,30,40", "(10,20)(30,40)"},
      {"10,20,30", "(10,20)"},  // a trailing odd number is ignored
      {"", ""},
      {"7", ""},
      {"a,5,7,b", "(0,5)(7,0)"},  // non-numbers count 0
      {",,", "(0,0)"},
      {" 12 , 13 ", "(12,13)"},
      {"1.9,-2.9", "(1,-2)"},  // toward zero
      {"-0,0", "(0,0)"},
      {"99999999999,-99999999999", "(16777215,-16777215)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Text(ReadMoverPath(c.text, '.')), c.expected);
  }
}

TEST(MoverPath, ReadsNumbersWithTheDecimalSymbolInForce) {
  // With "," as decimal symbol the parts are still split at every ",".
  EXPECT_EQ(Text(ReadMoverPath("3.5,4", ',')), "(0,4)");
  EXPECT_EQ(Text(ReadMoverPath("3.5,4", '.')), "(3,4)");
}

TEST(MoverPath, DelayIsTakenWithoutSignAndSaturates) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {
      {"", 15},
      {"soon", 15},
      {"0", 0},
      {"40", 40},
      {"-40", 40},
      {"2.7", 2},
      {"-2147483648", 2147483647},
      {"-9223372036854775808", 2147483647},  // no positive counterpart in 64 bits
      {"-1e300", 2147483647},
      {"99999999999", 2147483647},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadMoverDelay(c.text, '.'), c.expected);
  }
}

}  // namespace
}  // namespace orv
