#include "container/RegularFile.h"

#include <fcntl.h>

#include <filesystem>
#include <system_error>

#include "container/PackageFile.h"

namespace orv {

bool OpenRegularFile(const std::string& hostPath, PackageFile& file) {
  // Look before opening: opening a device can have effects of its own, and
  // opening a pipe would wait for a writer.
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(hostPath, error);
  if (error || !std::filesystem::is_regular_file(status)) return false;
  // The name may be swapped for a pipe between the look and the open: never
  // wait in open, and let the descriptor itself say what it is.
  return file.Adopt(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
}

bool ReadRegularFile(const std::string& hostPath, std::int64_t limit, std::string& out) {
  out.clear();
  PackageFile file;
  if (!OpenRegularFile(hostPath, file)) return false;
  const std::int64_t size = file.Size();
  if (size < 0 || size > limit) return false;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  // A file that shrinks meanwhile gives what is left; one that grows is read
  // only as far as it was measured.
  const std::int64_t read = file.ReadAt(0, bytes.data(), static_cast<std::size_t>(size));
  if (read < 0) return false;
  bytes.resize(static_cast<std::size_t>(read));
  out = std::move(bytes);
  return true;
}

}  // namespace orv
