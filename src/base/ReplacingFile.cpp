#include "base/ReplacingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace orv {
namespace {

// As many links in a row as the system itself follows before it gives up.
constexpr int kMaxLinkHops = 40;

// Follows `path` while it is a symbolic link, each link read against its
// own folder: errno when a link cannot be read or the chain does not end.
// A path that is missing is left as it is (the file to create).
int FollowLinks(std::string& path) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
    if (!S_ISLNK(st.st_mode)) return 0;
    if (hop == kMaxLinkHops) break;
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return errno;
    if (n == 0) return ENOENT;
    if (static_cast<std::size_t>(n) >= target.size()) return ENAMETOOLONG;
    target.resize(static_cast<std::size_t>(n));
    if (target.front() != '/') {
      const std::size_t slash = path.rfind('/');
      if (slash != std::string::npos) target.insert(0, path, 0, slash + 1);
    }
    path = std::move(target);
  }
  return ELOOP;
}

// The temporary name: short, so that a target whose name is already as long
// as a name may be still gets one, and in the target's folder, so that the
// rename never crosses file systems.
std::string TemporaryPattern(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  std::string pattern = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  pattern.append(".orvtmp-XXXXXX");
  return pattern;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

TReplacingFile::TReplacingFile(std::string hostPath) : target_(std::move(hostPath)) {}

TReplacingFile::~TReplacingFile() {
  fd_.Reset();
  if (!committed_ && !temp_.empty()) ::unlink(temp_.c_str());
}

int TReplacingFile::Open() {
  if (const int e = FollowLinks(target_)) return e;
  // A device or a pipe ("/dev/null", "/dev/stdout") is written into: a new
  // file renamed over it would take the device's place.
  struct stat st {};
  if (::stat(target_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    fd_.Reset(::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (!fd_.IsOpen()) return errno;
    inPlace_ = true;
    return 0;
  }
  std::string temp = TemporaryPattern(target_);
  fd_.Reset(::mkstemp(temp.data()));
  if (!fd_.IsOpen()) return errno;
  temp_ = std::move(temp);
  return 0;
}

int TReplacingFile::Write(std::string_view data) {
  if (!fd_.IsOpen()) return EBADF;
  return WriteAll(fd_.Get(), data);
}

int TReplacingFile::Commit() {
  if (!fd_.IsOpen()) return EBADF;
  if (inPlace_) {
    const int e = fd_.Close();
    committed_ = e == 0;
    return e;
  }
  mode_t mode = mode_;
  if (!hasMode_) {
    struct stat old {};
    mode = ::stat(target_.c_str(), &old) == 0 ? old.st_mode & 07777 : NewFileMode();
  }
  int failure = 0;
  if (::fchmod(fd_.Get(), mode) != 0) failure = errno;
  if (failure == 0 && hasTime_) {
    const timespec times[2] = {{0, UTIME_OMIT}, mtime_};
    if (::futimens(fd_.Get(), times) != 0) failure = errno;
  }
  if (failure == 0 && ::fsync(fd_.Get()) != 0) failure = errno;
  if (const int e = fd_.Close(); failure == 0) failure = e;
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
