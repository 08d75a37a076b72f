#pragma once
// Cuts the document into its CR LF lines, taking the source's bytes in
// chunks of at most 2048 bytes and reporting after each how far it has got,
// for the splash screen. The source itself is read ahead in large pieces,
// straight into the buffer the lines are handed out from.
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "container/DocumentSource.h"
#include "container/DocumentTextStore.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orv {

class DocumentLineReader {
 public:
  static constexpr std::size_t kChunkSize = 2048;
  // Bytes after the end of every line handed out that may be read (and hold
  // anything), so a caller can look at a line a machine word at a time.
  static constexpr std::size_t kReadAhead = 64;
  // round(bytes read / total x 100), after every chunk.
  using Progress = std::function<void(int percent)>;

  // `total` is the document's length: the stored size of a raw entry, the
  // unpacked size of a compressed one. Nothing past it is read.
  //
  // With a `keep` store the document is read into blocks of that store, and
  // every line handed out stays valid as long as the store does, so values
  // need not be copied. Without one, memory stays bounded by the longest
  // line and a line is valid until the next call.
  DocumentLineReader(DocumentSource& source, std::uint64_t total, Progress progress = {},
                     DocumentTextStore* keep = nullptr);

  // The next lines in one piece, for a caller that cuts them itself: from
  // the next line up to and including the last CR LF read so far, reading
  // chunks until there is one; at the end of the data, the rest, which is
  // the last line. False once every byte has been used up. The kReadAhead
  // bytes after the piece may be read; FindLineEnd cuts it.
  bool NextLines(std::string_view& lines);

  // The first CR with an LF behind it in [from, end), or end. Reads up to
  // 15 bytes past `end`, which a piece from NextLines allows.
  static const char* FindLineEnd(const char* from, const char* end) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    for (const char* at = from; at < end; at += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      for (auto hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, cr))); hits;
           hits &= hits - 1) {
        const char* const found = at + std::countr_zero(hits);
        if (found + 1 >= end) return end;
        if (found[1] == '\n') return found;  // a lone CR stays in the line
      }
    }
    return end;
#else
    for (const char* at = from; at < end;) {
      const void* found = std::memchr(at, '\r', static_cast<std::size_t>(end - at));
      if (!found) return end;
      const char* const cr = static_cast<const char*>(found);
      if (cr + 1 < end && cr[1] == '\n') return cr;
      at = cr + 1;
    }
    return end;
#endif
  }

  // Why the data ended early (a damaged or cut-short entry); empty otherwise.
  const std::string& Failure() const { return failure_; }
  std::uint64_t BytesRead() const { return bytesRead_; }

 private:
  bool ReadChunk();
  bool Fetch();
  void MakeRoom(std::size_t want);

  DocumentSource& source_;
  std::uint64_t total_;
  Progress progress_;
  DocumentTextStore* keep_;
  std::uint64_t bytesRead_ = 0;    // taken into chunks
  std::uint64_t sourceBytes_ = 0;  // fetched from the source
  bool exhausted_ = false;         // every byte the source gave is in a chunk
  bool sourceDone_ = false;        // the source has given all it will
  std::unique_ptr<char[]> owned_;  // the buffer when no store keeps the lines
  char* buffer_ = nullptr;
  std::size_t capacity_ = 0;  // usable bytes; kReadAhead more are allocated
  std::size_t start_ = 0;     // first byte not yet handed out
  std::size_t scanned_ = 0;   // no CR LF begins between start_ and here
  std::size_t end_ = 0;       // bytes of the buffer taken into chunks
  std::size_t fetched_ = 0;   // bytes in the buffer
  std::string failure_;
};

}  // namespace orv
