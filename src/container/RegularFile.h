#pragma once
// Files a publication names through variables may name anything: a device
// (/dev/zero), a pipe, a folder or a huge file. These read only regular
// files, and never open a pipe in a way that waits for a writer.
#include <cstdint>
#include <string>

namespace orv {

class PackageFile;

// Opens `hostPath` for reading when it is a regular file; false otherwise.
bool OpenRegularFile(const std::string& hostPath, PackageFile& file);
// The whole file, when it is regular and at most `limit` bytes; false with
// `out` empty otherwise.
bool ReadRegularFile(const std::string& hostPath, std::int64_t limit, std::string& out);

}  // namespace orv
