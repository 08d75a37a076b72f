// Replays the kept inputs of the object-command fuzz target; an input that
// once failed stays fixed.
#define LLVMFuzzerTestOneInput ObjectCommandFuzzOneInput
#define LLVMFuzzerInitialize ObjectCommandFuzzInitialize
#include "fuzz/ObjectCommandFuzz.cpp"
#undef LLVMFuzzerInitialize
#undef LLVMFuzzerTestOneInput

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FuzzCorpus.h"

namespace orv {
namespace {

TEST(ObjectCommandFuzzCorpus, ReplaysEveryKeptInput) {
  const std::filesystem::path before = std::filesystem::current_path();
  const auto inputs = test::ReadFuzzCorpus("ObjectCommandFuzz");
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.name);
    EXPECT_EQ(ObjectCommandFuzzOneInput(reinterpret_cast<const std::uint8_t*>(input.bytes.data()), input.bytes.size()),
              0);
  }
  EXPECT_GE(inputs.size(), 4u);
  EXPECT_EQ(std::filesystem::current_path(), before);
}

}  // namespace
}  // namespace orv
