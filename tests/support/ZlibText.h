#pragma once
// A text packed as a zlib stream, as the authoring tool stores compressed
// entries, for tests that read compressed data.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <string_view>

namespace orv {

inline std::string DeflateText(std::string_view text, int level = Z_BEST_SPEED) {
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::string packed(size, '\0');
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                      reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()),
                      level),
            Z_OK);
  packed.resize(size);
  return packed;
}

}  // namespace orv
