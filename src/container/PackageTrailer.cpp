#include "container/PackageTrailer.h"

#include <algorithm>
#include <array>

#include "container/EntryStream.h"
#include "container/PackageFile.h"
#include "container/PackageFormat.h"
#include "container/LittleEndian.h"

namespace orv {
namespace {

constexpr std::int64_t kWindow = static_cast<std::int64_t>(packfmt::kMarker.size());
// The farthest window the search can read: one last step from just below the limit.
constexpr std::int64_t kTailNeeded = packfmt::kTrailerSearchLimit - 1 + kWindow;

}  // namespace

std::int64_t FindMarkerDistance(std::string_view tail) {
  const auto size = static_cast<std::int64_t>(tail.size());
  auto windowAt = [&](std::int64_t d) -> std::string_view {
    if (d > size) return {};
    return tail.substr(static_cast<std::size_t>(size - d), kWindow);
  };
  std::int64_t d = kWindow;
  std::string_view window = windowAt(d);
  if (window.empty()) return -1;
  // The marker's bytes are all different, so the window's first byte tells
  // how far back the marker could start at the nearest.
  while (window != packfmt::kMarker && d < packfmt::kTrailerSearchLimit) {
    const std::size_t at = packfmt::kMarker.find(window[0]);
    const std::int64_t p = at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
    d += p >= 2 ? p - 1 : kWindow;
    window = windowAt(d);
    if (window.empty()) return -1;
  }
  return window == packfmt::kMarker ? d : -1;
}

bool LocateDirectory(const PackageFile& file, DirectoryLocation& where) {
  const std::int64_t end = file.Size();
  const std::int64_t tailSize = std::min(end, kTailNeeded);
  std::string tail(static_cast<std::size_t>(tailSize), '\0');
  if (!file.ReadExactAt(end - tailSize, tail.data(), tail.size())) return false;
  const std::int64_t d = FindMarkerDistance(tail);
  if (d < 0) return false;

  const std::int64_t pointerAt = end - d - 4;
  std::array<unsigned char, 4> field;
  if (pointerAt < 0 || !file.ReadExactAt(pointerAt, field.data(), field.size())) return false;
  const std::int64_t q = static_cast<std::int64_t>(ReadLe32(field.data())) + packfmt::kDirectoryPointerBias;
  // The size field and at least the zlib header must lie before the pointer.
  if (q < 0 || q + 4 + 2 > pointerAt) return false;
  if (!file.ReadExactAt(q, field.data(), field.size())) return false;
  const std::int32_t size = ReadLe32(field.data());
  const std::int64_t streamBegin = q + 4;
  if (size <= 0 || size > packfmt::MaxInflatedSize(pointerAt - streamBegin)) return false;

  where.SizeField = q;
  where.Size = size;
  where.StreamBegin = streamBegin;
  where.StreamEnd = pointerAt;
  return true;
}

bool InflateDirectory(const PackageFile& file, const DirectoryLocation& where, std::string& out) {
  out.assign(static_cast<std::size_t>(where.Size), '\0');
  EntryStream stream(file, where.StreamBegin, where.StreamEnd - where.StreamBegin, where.Size);
  std::size_t filled = 0;
  while (filled < out.size()) {
    const std::int64_t n = stream.Read(out.data() + filled, out.size() - filled);
    if (n <= 0) break;
    filled += static_cast<std::size_t>(n);
  }
  // The final read verifies that the stream ends here, checksum included.
  const bool ok = filled == out.size() && stream.Read(nullptr, 0) == 0;
  if (!ok) out.clear();
  return ok;
}

}  // namespace orv
