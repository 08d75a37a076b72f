#pragma once
// Finding the directory from the end of the package file.
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

class PackageFile;

// `tail` is the end of the file (at most the last 10006 bytes matter). Returns
// the distance d from the end of the file to the marker's first byte, or -1
// when the stepping search gives up without meeting the marker.
std::int64_t FindMarkerDistance(std::string_view tail);

struct DirectoryLocation {
  std::int64_t SizeField = 0;   // offset of the 32-bit directory size (Q)
  std::int32_t Size = 0;        // bytes of the directory after inflating
  std::int64_t StreamBegin = 0; // the zlib stream: [StreamBegin, StreamEnd)
  std::int64_t StreamEnd = 0;
};

// Reads the trailer and checks every offset and size in it against the file.
bool LocateDirectory(const PackageFile& file, DirectoryLocation& where);
// Inflates the directory: the stream must end exactly after `Size` bytes.
bool InflateDirectory(const PackageFile& file, const DirectoryLocation& where, std::string& out);

}  // namespace orv
