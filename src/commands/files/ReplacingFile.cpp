#include "commands/files/ReplacingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace orv {
namespace {

std::string FollowLinks(std::string path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved)) return resolved;
  return path;  // a dangling link is replaced like a missing file
}

}  // namespace

TReplacingFile::TReplacingFile(std::string hostPath) : target_(FollowLinks(std::move(hostPath))) {}

TReplacingFile::~TReplacingFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
}

int TReplacingFile::Open() {
  temp_ = target_ + ".orvtmp-XXXXXX";
  fd_ = ::mkstemp(temp_.data());
  if (fd_ < 0) {
    const int e = errno;
    temp_.clear();
    return e;
  }
  return 0;
}

int TReplacingFile::Write(std::string_view data) {
  if (fd_ < 0) return EBADF;
  while (!data.empty()) {
    const ssize_t n = ::write(fd_, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

int TReplacingFile::Commit() {
  if (fd_ < 0) return EBADF;
  mode_t mode = mode_;
  if (!hasMode_) {
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0) {
      mode = old.st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
  }
  int failure = 0;
  if (::fchmod(fd_, mode) != 0) failure = errno;
  if (failure == 0 && hasTime_) {
    const timespec times[2] = {{0, UTIME_OMIT}, mtime_};
    if (::futimens(fd_, times) != 0) failure = errno;
  }
  if (failure == 0 && ::fsync(fd_) != 0) failure = errno;
  if (::close(fd_) != 0 && failure == 0) failure = errno;
  fd_ = -1;
  if (failure == 0 && ::rename(temp_.c_str(), target_.c_str()) != 0) failure = errno;
  if (failure == 0) committed_ = true;
  return failure;
}

int ReplaceFileContent(const std::string& hostPath, std::string_view data) {
  TReplacingFile file(hostPath);
  if (const int e = file.Open()) return e;
  if (const int e = file.Write(data)) return e;
  return file.Commit();
}

}  // namespace orv
