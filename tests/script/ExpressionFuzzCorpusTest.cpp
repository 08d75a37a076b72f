// Replays the kept inputs of the expression fuzz target through the same
// checks it makes; an input that once failed stays fixed.
#define LLVMFuzzerTestOneInput ExpressionFuzzOneInput
#include "fuzz/ExpressionFuzz.cpp"
#undef LLVMFuzzerTestOneInput

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace orv {
namespace {

TEST(ExpressionFuzzCorpus, ReplaysEveryKeptInput) {
  // The corpus lives beside the fuzz target, not among the test data.
  const std::filesystem::path dir =
      std::filesystem::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus" / "ExpressionFuzz";
  ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir;
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_EQ(ExpressionFuzzOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    ++replayed;
  }
  EXPECT_GT(replayed, 20);
}

}  // namespace
}  // namespace orv
