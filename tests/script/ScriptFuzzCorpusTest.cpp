// Replays the kept inputs of the script fuzz target; an input that once
// failed stays fixed.
#define LLVMFuzzerTestOneInput ScriptFuzzOneInput
#include "fuzz/ScriptFuzz.cpp"
#undef LLVMFuzzerTestOneInput

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FuzzCorpus.h"

namespace orv {
namespace {

TEST(ScriptFuzzCorpus, ReplaysEveryKeptInput) {
  const std::filesystem::path before = std::filesystem::current_path();
  const auto inputs = test::ReadFuzzCorpus("ScriptFuzz");
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.name);
    EXPECT_EQ(ScriptFuzzOneInput(reinterpret_cast<const std::uint8_t*>(input.bytes.data()), input.bytes.size()), 0);
  }
  EXPECT_GE(inputs.size(), 10u);
  EXPECT_EQ(std::filesystem::current_path(), before);
}

}  // namespace
}  // namespace orv
