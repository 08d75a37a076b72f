// Replays the kept inputs of the expression fuzz target through the same
// checks it makes; an input that once failed stays fixed.
#define LLVMFuzzerTestOneInput ExpressionFuzzOneInput
#include "fuzz/ExpressionFuzz.cpp"
#undef LLVMFuzzerTestOneInput

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FuzzCorpus.h"

namespace orv {
namespace {

TEST(ExpressionFuzzCorpus, ReplaysEveryKeptInput) {
  const auto inputs = test::ReadFuzzCorpus("ExpressionFuzz");
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.name);
    EXPECT_EQ(ExpressionFuzzOneInput(reinterpret_cast<const std::uint8_t*>(input.bytes.data()), input.bytes.size()), 0);
  }
  EXPECT_GT(inputs.size(), 20u);
}

}  // namespace
}  // namespace orv
