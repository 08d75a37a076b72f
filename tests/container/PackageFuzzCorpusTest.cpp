// Replays every kept fuzz input through the same open-and-deliver path the
// fuzz target drives, so past findings stay fixed in ordinary test runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/PackageFuzzInput.h"

namespace orv::test {
namespace {

TEST(PackageFuzzCorpus, EveryKeptInputOpensOrFailsCleanly) {
  const std::filesystem::path corpus = std::filesystem::path(ORVALIS_TEST_DATA_DIR).parent_path() / "fuzz/corpus/PackageFuzz";
  int replayed = 0;
  for (const auto& file : std::filesystem::directory_iterator(corpus)) {
    std::ifstream in(file.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(fuzz::DeliverPackageInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()))
        << file.path();
    ++replayed;
  }
  EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace orv::test
