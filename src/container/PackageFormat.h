#pragma once
// Constants of the package layout on disk:
//   [player] [entry data ...] S:int32 [zlib directory] X:int32 "#n%B&e)" [any]
// where X + 213 is the offset of S.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orv::packfmt {

inline constexpr std::string_view kMarker = "#n%B&e)";
inline constexpr std::int64_t kDirectoryPointerBias = 213;
// The trailer search gives up once the window is this far from the end.
inline constexpr std::int64_t kTrailerSearchLimit = 10000;
// Deflate never expands data by more than about 1032 times, so a size claimed
// beyond this is a malformed directory, not a reason to allocate.
inline constexpr std::int64_t kMaxInflateRatio = 1032;
inline constexpr std::int64_t kInflateSlack = 1024;

inline std::int64_t MaxInflatedSize(std::int64_t compressed) {
  return compressed * kMaxInflateRatio + kInflateSlack;
}

// Every record stands for a file packed into this one, so a directory that
// claims more records than the whole file has bytes is deflate amplification
// (a few bytes repeating one record), not a package: refuse it before
// allocating a single record.
inline std::int64_t MaxDirectoryRecords(std::int64_t fileSize) { return fileSize; }

}  // namespace orv::packfmt
