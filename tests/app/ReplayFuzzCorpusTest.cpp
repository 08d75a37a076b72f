// Replays the kept inputs of the --play file fuzz target through the same
// checks it makes; an input that once failed stays fixed.
#define LLVMFuzzerTestOneInput ReplayFuzzOneInput
#include "fuzz/ReplayFuzz.cpp"
#undef LLVMFuzzerTestOneInput

#include <gtest/gtest.h>

#include "support/FuzzCorpus.h"

namespace orv {
namespace {

TEST(ReplayFuzzCorpus, ReplaysEveryKeptInput) {
  const auto inputs = test::ReadFuzzCorpus("ReplayFuzz");
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.name);
    EXPECT_EQ(ReplayFuzzOneInput(reinterpret_cast<const std::uint8_t*>(input.bytes.data()), input.bytes.size()), 0);
  }
  EXPECT_GE(inputs.size(), 6u);
}

}  // namespace
}  // namespace orv
