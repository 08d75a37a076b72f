#include "commands/files/TextLineReader.h"

#include <unistd.h>

#include <cerrno>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <bit>

namespace orv {
namespace {

// Index of the first CR or LF among the `n` bytes at `p`, or `n`. Sixteen
// bytes are looked at a time where the processor can, never past `n`.
std::size_t FindLineBreak(const char* p, std::size_t n) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; i + 16 <= n; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf));
    if (const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits)))
      return i + static_cast<std::size_t>(std::countr_zero(mask));
  }
#endif
  for (; i < n; ++i)
    if (p[i] == '\r' || p[i] == '\n') return i;
  return n;
}

}  // namespace

bool TTextLineReader::Fill() {
  if (pos_ < len_) return true;
  offset_ += static_cast<std::int64_t>(len_);
  pos_ = len_ = 0;
  for (;;) {
    const ssize_t n = ::pread(fd_, buffer_.data(), buffer_.size(), offset_);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error_ = errno;
      return false;
    }
    len_ = static_cast<std::size_t>(n);
    return n > 0;
  }
}

bool TTextLineReader::AtEnd() { return !Fill(); }

bool TTextLineReader::Read(std::string* line) {
  if (line) line->clear();
  if (!Fill()) return false;
  for (;;) {
    const std::size_t start = pos_;
    pos_ = start + FindLineBreak(buffer_.data() + start, len_ - start);
    if (line) line->append(buffer_.data() + start, pos_ - start);
    if (pos_ < len_) {
      const char end = buffer_[pos_++];
      if (end == '\r' && Fill() && buffer_[pos_] == '\n') ++pos_;
      return true;
    }
    if (!Fill()) return error_ == 0;  // the last line has no break
  }
}

bool TTextLineReader::ReadLine(std::string& line) { return Read(&line); }
bool TTextLineReader::SkipLine() { return Read(nullptr); }

}  // namespace orv
