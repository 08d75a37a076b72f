#include "imaging/PictureFile.h"

#include <fcntl.h>

#include <filesystem>
#include <system_error>

#include "base/HostPath.h"
#include "container/PackageFile.h"

namespace orv {

bool ReadPictureHostFile(const std::string& hostPath, QByteArray& out) {
  out.clear();
  // Look before opening: opening a device can have effects of its own, and
  // opening a pipe would wait for a writer.
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(hostPath, error);
  if (error || !std::filesystem::is_regular_file(status)) return false;
  // The name may be swapped for a pipe between the look and the open: never
  // wait in open, and let the descriptor itself say what it is.
  PackageFile file;
  if (!file.Adopt(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK))) return false;
  const std::int64_t size = file.Size();
  if (size < 0 || size > kLargestPictureFile) return false;
  QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
  // A file that shrinks meanwhile gives what is left; one that grows is read
  // only as far as it was measured.
  const std::int64_t read = file.ReadAt(0, bytes.data(), static_cast<std::size_t>(size));
  if (read < 0) return false;
  bytes.truncate(static_cast<qsizetype>(read));
  out = std::move(bytes);
  return true;
}

bool ReadPictureFile(std::string_view ansiName, QByteArray& out) {
  return ReadPictureHostFile(HostPath(ansiName), out);
}

}  // namespace orv
