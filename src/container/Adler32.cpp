#include "container/Adler32.h"

#include <zlib.h>

#include "base/ProcessorFeatures.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ORV_ADLER32_X86 1
#endif

namespace orv {
namespace {

constexpr std::uint32_t kBase = 65521;

using Function = std::uint32_t (*)(std::uint32_t, const unsigned char*, std::size_t);

std::uint32_t WithZlib(std::uint32_t adler, const unsigned char* data, std::size_t size) {
  return static_cast<std::uint32_t>(adler32_z(adler, data, size));
}

#if defined(ORV_ADLER32_X86)
// For n bytes b_1..b_n, s1 grows by their sum and s2 by n * s1 plus
// the sum of (n - i + 1) * b_i. Taken 32 bytes at a time, that is 32 times
// the sum of the earlier chunks' running totals (vs3) plus each chunk's
// bytes weighted 32 down to 1 (vs2). A run of 5,536 bytes keeps every lane
// below 2^32, as zlib's own bound of 5,552 does for its sums.
__attribute__((target("avx2"))) std::uint32_t WithAvx2(std::uint32_t adler,
                                                      const unsigned char* data, std::size_t size) {
  constexpr std::size_t kRun = 5536;
  std::uint32_t s1 = adler & 0xFFFF;
  std::uint32_t s2 = adler >> 16;
  const __m256i weights = _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19,
                                           18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3,
                                           2, 1);
  const __m256i ones = _mm256_set1_epi16(1);
  const __m256i zero = _mm256_setzero_si256();
  while (size >= 32) {
    const std::size_t run = size < kRun ? size & ~std::size_t{31} : kRun;
    size -= run;
    s2 += s1 * static_cast<std::uint32_t>(run) % kBase;
    __m256i vs1 = zero, vs2 = zero, vs3 = zero;
    for (std::size_t chunks = run / 32; chunks > 0; --chunks, data += 32) {
      const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data));
      vs3 = _mm256_add_epi32(vs3, vs1);
      vs1 = _mm256_add_epi32(vs1, _mm256_sad_epu8(bytes, zero));
      vs2 = _mm256_add_epi32(vs2, _mm256_madd_epi16(_mm256_maddubs_epi16(bytes, weights), ones));
    }
    vs2 = _mm256_add_epi32(vs2, _mm256_slli_epi32(vs3, 5));
    alignas(32) std::uint32_t sums1[8];
    alignas(32) std::uint32_t sums2[8];
    _mm256_store_si256(reinterpret_cast<__m256i*>(sums1), vs1);
    _mm256_store_si256(reinterpret_cast<__m256i*>(sums2), vs2);
    std::uint64_t total1 = s1, total2 = s2;
    for (int i = 0; i < 8; ++i) {
      total1 += sums1[i];
      total2 += sums2[i];
    }
    s1 = static_cast<std::uint32_t>(total1 % kBase);
    s2 = static_cast<std::uint32_t>(total2 % kBase);
  }
  for (; size > 0; --size) {
    s1 += *data++;
    if (s1 >= kBase) s1 -= kBase;
    s2 += s1;
    if (s2 >= kBase) s2 -= kBase;
  }
  return s1 | (s2 << 16);
}
#endif

Function FunctionOf(Adler32Method method) {
#if defined(ORV_ADLER32_X86)
  if (method == Adler32Method::Avx2) return WithAvx2;
#else
  (void)method;
#endif
  return WithZlib;
}

}  // namespace

bool Adler32MethodAvailable(Adler32Method method) {
  return method == Adler32Method::Zlib || ProcessorHasAvx2();
}

std::uint32_t Adler32(std::uint32_t adler, const unsigned char* data, std::size_t size) {
  static const Function function =
      FunctionOf(ProcessorHasAvx2() ? Adler32Method::Avx2 : Adler32Method::Zlib);
  return function(adler, data, size);
}

std::uint32_t Adler32With(Adler32Method method, std::uint32_t adler, const unsigned char* data,
                          std::size_t size) {
  return FunctionOf(method)(adler, data, size);
}

}  // namespace orv
