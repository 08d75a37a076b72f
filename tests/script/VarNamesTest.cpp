#include "script/VarNames.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(NormalizeVarName, BracketsAndBalances) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"", ""},           {"Count", "[Count]"},   {"[Count]", "[Count]"}, {"[Count", "[Count]"},
      {"Count]", "[Count]"}, {"[Arr[i]", "[Arr[i]]"}, {"[Arr[i]]", "[Arr[i]]"}, {"Arr[i]", "[Arr[i]]"},
      {"[", "[]"},        {"]", "[]"},            {"a]]", "[[a]]"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeVarName(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace orv
