#include "container/PackageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orv {

bool PackageFile::Open(const std::string& hostPath) {
  return Adopt(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC));
}

bool PackageFile::Adopt(int fd) {
  Close();
  TFileDescriptor file(fd);
  struct stat st;
  if (!file.IsOpen() || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  fd_ = std::move(file);
  size_ = st.st_size;
  return true;
}

void PackageFile::Close() {
  fd_.Reset();
  size_ = 0;
}

std::int64_t PackageFile::ReadAt(std::int64_t offset, void* buffer, std::size_t count) const {
  if (!fd_.IsOpen() || offset < 0) return -1;
  auto* out = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd_.Get(), out + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<std::int64_t>(done);
}

bool PackageFile::ReadExactAt(std::int64_t offset, void* buffer, std::size_t count) const {
  return ReadAt(offset, buffer, count) == static_cast<std::int64_t>(count);
}

}  // namespace orv
