#include "base/FileDescriptor.h"

#include <unistd.h>

#include <cerrno>

namespace orv {

TFileDescriptor& TFileDescriptor::operator=(TFileDescriptor&& other) noexcept {
  if (this != &other) Reset(other.Release());
  return *this;
}

int TFileDescriptor::Release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

void TFileDescriptor::Reset(int fd) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
}

int TFileDescriptor::Close() {
  if (fd_ < 0) return 0;
  // The descriptor is gone after close whatever it returns, even EINTR, so
  // it is never tried twice.
  const int result = ::close(Release());
  return result == 0 ? 0 : errno;
}

int WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;  // no progress: stop rather than spin
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

}  // namespace orv
