#pragma once
// Reading a picture file named by a publication. Picture names often come
// from variables, so a name may point at anything: a device (/dev/zero), a
// pipe, a folder or a huge file. Only regular files up to a bound are read;
// a pipe is never opened in a way that waits for a writer.
#include <QByteArray>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// Larger than any picture a publication ships; reading more would only
// exhaust memory before the decoders refuse it anyway.
inline constexpr std::int64_t kLargestPictureFile = 256LL * 1024 * 1024;

// Reads the whole file named the publication's way (Windows-1252, any
// separators, any letter case; mapped through HostPath). False, with `out`
// empty, when it is missing, not a regular file, larger than
// kLargestPictureFile or cannot be read.
bool ReadPictureFile(std::string_view ansiName, QByteArray& out);
// The same for a path already mapped to this system.
bool ReadPictureHostFile(const std::string& hostPath, QByteArray& out);

}  // namespace orv
