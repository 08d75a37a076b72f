// Replays every kept fuzz input through the same open-and-deliver path the
// fuzz target drives, so past findings stay fixed in ordinary test runs.
#include <gtest/gtest.h>

#include "fuzz/PackageFuzzInput.h"
#include "support/FuzzCorpus.h"

namespace orv::test {
namespace {

TEST(PackageFuzzCorpus, EveryKeptInputOpensOrFailsCleanly) {
  const auto inputs = ReadFuzzCorpus("PackageFuzz");
  for (const auto& input : inputs)
    EXPECT_TRUE(fuzz::DeliverPackageInput(reinterpret_cast<const std::uint8_t*>(input.bytes.data()), input.bytes.size()))
        << input.name;
  EXPECT_GT(inputs.size(), 0u);
}

}  // namespace
}  // namespace orv::test
