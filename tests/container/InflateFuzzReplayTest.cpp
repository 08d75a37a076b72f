// Replays the inputs the inflate fuzz target kept through the same side by
// side run of ZlibInflater and zlib's own inflate, so a difference once
// found stays mended in ordinary test runs.
#include <gtest/gtest.h>

#include <cstdint>

#include "fuzz/InflateFuzzInput.h"
#include "support/FuzzCorpus.h"

namespace orv::test {
namespace {

TEST(InflateFuzzReplayTest, KeptInputsInflateAsZlibDoes) {
  const auto inputs = ReadFuzzCorpus("InflateFuzz");
  for (const auto& input : inputs)
    EXPECT_EQ(fuzz::InflateFuzzDisagreement(reinterpret_cast<const std::uint8_t*>(input.bytes.data()),
                                            input.bytes.size()),
              "")
        << input.name;
  EXPECT_GE(inputs.size(), 8u);
}

}  // namespace
}  // namespace orv::test
