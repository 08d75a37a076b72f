#include "imaging/PictureFile.h"

#include "base/HostPath.h"
#include "container/PackageFile.h"
#include "container/RegularFile.h"

namespace orv {

bool ReadPictureHostFile(const std::string& hostPath, QByteArray& out) {
  out.clear();
  PackageFile file;
  if (!OpenRegularFile(hostPath, file)) return false;
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
