// Replays the kept inputs of the script fuzz target; an input that once
// failed stays fixed.
#define LLVMFuzzerTestOneInput ScriptFuzzOneInput
#include "fuzz/ScriptFuzz.cpp"
#undef LLVMFuzzerTestOneInput

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace orv {
namespace {

TEST(ScriptFuzzCorpus, ReplaysEveryKeptInput) {
  const std::filesystem::path dir =
      std::filesystem::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus" / "ScriptFuzz";
  ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir;
  const std::filesystem::path before = std::filesystem::current_path();
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_EQ(ScriptFuzzOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    ++replayed;
  }
  EXPECT_GE(replayed, 10);
  EXPECT_EQ(std::filesystem::current_path(), before);
}

}  // namespace
}  // namespace orv
