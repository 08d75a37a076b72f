#pragma once
// Walks the CR LF lines of a piece of the document 64 bytes at a time and
// stops only at the lines the reader must look at now (MayBeReadAtOnce);
// nine lines in ten are passed over. The line ends of a block come from one
// mask, the LFs with a CR before them, so a line passed over costs a few
// instructions and no branch that depends on how long it is.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "container/DocumentKeyPrefixes.h"

namespace orv {

class DocumentLineScanner {
 public:
  static constexpr std::size_t kBlock = 64;
  // Bytes past the end of the lines that are read (and never used).
  static constexpr std::size_t kReadAhead = kBlock;

  // The lines in [from, end): `from` starts a line, and every line but the
  // last ends with CR LF. kReadAhead bytes past `end` must be readable.
  // Nothing is scanned when `from` is at or past `end`.
  void Start(const char* from, const char* end) {
    base_ = from;
    size_ = end > from ? static_cast<std::size_t>(end - from) : 0;
    next_ = 0;
    lineStart_ = 0;
    ends_ = 0;
    carry_ = 0;
  }

  // The next line that may carry a key read at once, without its CR LF; the
  // last line, when it has no CR LF, always comes out. False when no line is
  // left.
  bool Next(std::string_view& line) {
    // In locals, so the loop over the lines passed over keeps them in
    // registers.
    std::uint64_t ends = ends_;
    std::size_t lineStart = lineStart_;
    for (;;) {
      while (ends != 0) {
        const std::size_t lf = next_ - kBlock + static_cast<std::size_t>(std::countr_zero(ends));
        ends &= ends - 1;
        const std::size_t start = lineStart;
        lineStart = lf + 1;
        if (document_key_prefix::MayBeReadAtOnce(base_ + start)) {
          line = std::string_view(base_ + start, lf - 1 - start);
          ends_ = ends;
          lineStart_ = lineStart;
          return true;
        }
      }
      if (next_ >= size_) {
        ends_ = 0;
        lineStart_ = size_;
        if (lineStart >= size_) return false;
        line = std::string_view(base_ + lineStart, size_ - lineStart);
        return true;
      }
      ends = LoadBlock();
    }
  }

  // The start of the line after the last one handed out.
  const char* Position() const { return base_ + lineStart_; }

 private:
  // The LFs with a CR before them in the next block, within the lines.
  std::uint64_t LoadBlock() {
    const char* const block = base_ + next_;
    std::uint64_t cr = 0, lf = 0;
#if defined(__SSE2__)
    const __m128i crs = _mm_set1_epi8('\r');
    const __m128i lfs = _mm_set1_epi8('\n');
    for (std::size_t at = 0; at < kBlock; at += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + at));
      cr |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, crs)))} << at;
      lf |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lfs)))} << at;
    }
#else
    for (std::size_t i = 0; i < kBlock; ++i) {
      cr |= std::uint64_t{block[i] == '\r'} << i;
      lf |= std::uint64_t{block[i] == '\n'} << i;
    }
#endif
    std::uint64_t ends = lf & ((cr << 1) | carry_);
    carry_ = cr >> 63;
    const std::size_t left = size_ - next_;
    if (left < kBlock) ends &= (std::uint64_t{1} << left) - 1;
    next_ += kBlock;
    return ends;
  }

  const char* base_ = nullptr;
  std::size_t size_ = 0;
  std::size_t next_ = 0;       // offset of the next block to load
  std::size_t lineStart_ = 0;  // offset of the next line
  std::uint64_t ends_ = 0;     // LFs ending lines in the block loaded last
  std::uint64_t carry_ = 0;    // a CR closed the block loaded last
};

}  // namespace orv
