#include "container/DocumentMarkedLines.h"

#include <bit>
#include <initializer_list>

#include "base/ProcessorFeatures.h"
#include "container/DocumentKeyPrefixes.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ORV_MARKED_LINES_X86 1
#endif

namespace orv {
namespace {

using FindFunction = std::size_t (*)(const char*, std::size_t, LineWindowState&, std::uint32_t*,
                                     std::uint32_t*);

// The window's walk, around Bytes::Of, which masks the bytes of a block
// equal to one byte. Written once and compiled for each instruction set by
// the callers below.
template <typename Bytes>
inline std::size_t Walk(const char* text, std::size_t size, LineWindowState& state,
                        std::uint32_t* starts, std::uint32_t* lfs) {
  std::size_t found = 0;
  std::size_t next = state.next;
  std::size_t lineStart = state.lineStart;
  std::uint64_t carry = state.carry;
  const std::size_t stop = next + kLineWindow < size ? next + kLineWindow : size;
  for (; next < stop; next += kLineBlock) {
    const std::uint64_t cr = Bytes::Of(text + next, '\r');
    const std::uint64_t lf = Bytes::Of(text + next, '\n');
    std::uint64_t ends = lf & ((cr << 1) | carry);
    carry = cr >> 63;
    if (size - next < kLineBlock) ends &= (std::uint64_t{1} << (size - next)) - 1;
    while (ends != 0) {
      const std::size_t end = next + static_cast<std::size_t>(std::countr_zero(ends));
      ends &= ends - 1;
      const std::size_t start = lineStart;
      lineStart = end + 1;
      if (document_key_prefix::MayBeReadAtOnce(text + start)) {
        starts[found] = static_cast<std::uint32_t>(start);
        lfs[found] = static_cast<std::uint32_t>(end);
        ++found;
      }
    }
  }
  state.next = next;
  state.lineStart = lineStart;
  state.carry = carry;
  return found;
}

struct PortableBytes {
  static std::uint64_t Of(const char* block, char byte) {
    std::uint64_t mask = 0;
    for (std::size_t i = 0; i < kLineBlock; ++i) mask |= std::uint64_t{block[i] == byte} << i;
    return mask;
  }
};

std::size_t FindPortably(const char* text, std::size_t size, LineWindowState& state,
                         std::uint32_t* starts, std::uint32_t* lfs) {
  return Walk<PortableBytes>(text, size, state, starts, lfs);
}

#if defined(ORV_MARKED_LINES_X86)
struct Sse2Bytes {
  __attribute__((target("sse2"))) static std::uint64_t Of(const char* block, char byte) {
    const __m128i bytes = _mm_set1_epi8(byte);
    std::uint64_t mask = 0;
    for (std::size_t at = 0; at < kLineBlock; at += 16) {
      const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + at));
      mask |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, bytes)))} << at;
    }
    return mask;
  }
};

__attribute__((target("sse2"), flatten)) std::size_t FindWithSse2(const char* text, std::size_t size,
                                                         LineWindowState& state,
                                                         std::uint32_t* starts, std::uint32_t* lfs) {
  return Walk<Sse2Bytes>(text, size, state, starts, lfs);
}

// Half the vector instructions of SSE2, and single instructions for the bit
// steps of the walk.
struct Avx2Bytes {
  __attribute__((target("avx2,bmi"))) static std::uint64_t Of(const char* block, char byte) {
    const __m256i bytes = _mm256_set1_epi8(byte);
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(block + 32));
    const auto lowMask = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, bytes)));
    const auto highMask = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, bytes)));
    return lowMask | (std::uint64_t{highMask} << 32);
  }
};

__attribute__((target("avx2,bmi"), flatten)) std::size_t FindWithAvx2(const char* text, std::size_t size,
                                                             LineWindowState& state,
                                                             std::uint32_t* starts, std::uint32_t* lfs) {
  return Walk<Avx2Bytes>(text, size, state, starts, lfs);
}
#endif

FindFunction FunctionOf(LineFinder finder) {
  switch (finder) {
#if defined(ORV_MARKED_LINES_X86)
    case LineFinder::Sse2:
      return FindWithSse2;
    case LineFinder::Avx2:
      return FindWithAvx2;
#endif
    default:
      return FindPortably;
  }
}

FindFunction Fastest() {
  for (const LineFinder finder : {LineFinder::Avx2, LineFinder::Sse2})
    if (LineFinderAvailable(finder)) return FunctionOf(finder);
  return FindPortably;
}

}  // namespace

bool LineFinderAvailable(LineFinder finder) {
  switch (finder) {
    case LineFinder::Sse2:
      return ProcessorHasSse2();
    case LineFinder::Avx2:
      return ProcessorHasAvx2();
    default:
      return true;
  }
}

std::size_t FindMarkedLines(const char* text, std::size_t size, LineWindowState& state,
                            std::uint32_t* starts, std::uint32_t* lfs) {
  static const FindFunction find = Fastest();
  return find(text, size, state, starts, lfs);
}

std::size_t FindMarkedLinesWith(LineFinder finder, const char* text, std::size_t size,
                                LineWindowState& state, std::uint32_t* starts,
                                std::uint32_t* lfs) {
  return FunctionOf(finder)(text, size, state, starts, lfs);
}

}  // namespace orv
