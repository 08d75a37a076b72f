// Every way of computing the Adler-32 check value this processor has must
// give zlib's value: over lengths around the vector loop's chunk (32 bytes)
// and run (5,536 bytes) sizes, from unaligned starts, over bytes of 0xFF
// that push the sums closest to their bounds, and when carried on piece by
// piece.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "container/Adler32.h"

namespace orv {
namespace {

std::vector<Adler32Method> AvailableMethods() {
  std::vector<Adler32Method> methods;
  for (const Adler32Method method : {Adler32Method::Zlib, Adler32Method::Avx2})
    if (Adler32MethodAvailable(method)) methods.push_back(method);
  return methods;
}

const char* MethodName(Adler32Method method) { return method == Adler32Method::Avx2 ? "AVX2" : "zlib"; }

std::uint32_t ZlibAdler(std::uint32_t adler, const unsigned char* data, std::size_t size) {
  return static_cast<std::uint32_t>(adler32_z(adler, data, size));
}

enum class Filling { Random, AllFF };

// 8 spare bytes in front so the data can start at any offset 0..7.
std::vector<unsigned char> Filled(Filling filling, std::size_t size) {
  std::vector<unsigned char> bytes(size + 8, 0xFF);
  if (filling == Filling::Random) {
    std::mt19937 generator(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (unsigned char& b : bytes) b = static_cast<unsigned char>(byte(generator));
  }
  return bytes;
}

TEST(Adler32Test, EveryMethodGivesZlibsValue) {
  // Around one 32-byte chunk, around one and two 5,536-byte runs, and sizes
  // past the point where unreduced sums would overflow many times over.
  const std::size_t lengths[] = {0,     1,     31,    32,     33,          5535,           5536,
                                 5537,  11072, 11073, 100000, (1u << 20) + 5, (3u << 20) + 31};
  // 1 starts a new value; the others carry one on, the last with both sums
  // at their largest.
  const std::uint32_t starts[] = {1, 0x2A5B1C3D, 0xFFF0FFF0};
  const auto methods = AvailableMethods();
  for (const Filling filling : {Filling::Random, Filling::AllFF}) {
    const std::vector<unsigned char> bytes = Filled(filling, lengths[std::size(lengths) - 1]);
    for (const std::size_t length : lengths) {
      for (std::size_t offset = 0; offset < 8; ++offset) {
        const unsigned char* data = bytes.data() + offset;
        for (const std::uint32_t start : starts) {
          SCOPED_TRACE(testing::Message() << (filling == Filling::AllFF ? "0xFF" : "random") << " length "
                                          << length << " offset " << offset << " start " << std::hex << start);
          const std::uint32_t expected = ZlibAdler(start, data, length);
          for (const Adler32Method method : methods)
            EXPECT_EQ(Adler32With(method, start, data, length), expected) << MethodName(method);
          EXPECT_EQ(Adler32(start, data, length), expected);
        }
      }
    }
  }
}

TEST(Adler32Test, ValueCarriedOverUnevenPiecesEqualsOneCall) {
  // Pieces that end inside chunks and runs, so each call starts with sums
  // left by the one before and at a different alignment.
  const std::vector<std::vector<std::size_t>> cuttings = {
      {1, 31, 4099}, {5537, 1, 32}, {33, 5535, 7, 11073}, {100000, 3}};
  const auto methods = AvailableMethods();
  for (const Filling filling : {Filling::Random, Filling::AllFF}) {
    const std::size_t total = 700000;
    const std::vector<unsigned char> bytes = Filled(filling, total);
    const std::uint32_t whole = ZlibAdler(1, bytes.data() + 3, total);
    for (const auto& pieces : cuttings) {
      SCOPED_TRACE(testing::Message() << (filling == Filling::AllFF ? "0xFF" : "random") << " first piece "
                                      << pieces.front());
      for (const Adler32Method method : methods) {
        std::uint32_t carried = 1;
        std::size_t done = 0;
        for (std::size_t i = 0; done < total; ++i) {
          const std::size_t piece = std::min(pieces[i % pieces.size()], total - done);
          carried = Adler32With(method, carried, bytes.data() + 3 + done, piece);
          done += piece;
        }
        EXPECT_EQ(carried, whole) << MethodName(method);
      }
    }
  }
}

}  // namespace
}  // namespace orv
