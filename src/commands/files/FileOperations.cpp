#include "commands/files/FileOperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/ErrorText.h"
#include "base/FileDescriptor.h"
#include "base/HostPath.h"
#include "base/Messages.h"
#include "base/PathNames.h"
#include "base/ReplacingFile.h"
#include "commands/files/FileErrorText.h"
#include "commands/files/SequentialReadCache.h"

namespace orv {
namespace {

constexpr int kCannotCopyOntoItself = 300;
constexpr int kCannotCopy = 301;
constexpr int kCannotRemoveFolder = 316;

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Copies the open source into a new file that replaces `target` when done.
int CopyContent(int from, const struct stat& st, const std::string& target) {
  TReplacingFile out(target);
  if (const int e = out.Open()) return e;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;
    if (const int e = out.Write(std::string_view(buffer, static_cast<std::size_t>(n)))) return e;
  }
  // The copy is never read-only, whatever the source was.
  out.SetMode((st.st_mode & 07777) | S_IWUSR);
  out.SetModificationTime(st.st_mtim);
  return out.Commit();
}

}  // namespace

std::string CopyDestination(std::string_view source, std::string_view destination) {
  std::string dest(destination);
  if (ExtractFilePath(dest).empty()) dest = std::string(ExtractFilePath(source)) + dest;
  if (ExtractFileName(dest).empty()) dest.append(ExtractFileName(source));
  return dest;
}

std::string CopyFileCommand(std::string_view source, std::string_view destination, std::string_view pubDir) {
  if (source.empty() || destination.empty()) return std::string(Message(kCannotCopy));
  std::string from(source);
  if (ExtractFilePath(from).empty()) from = JoinPath(pubDir, from);
  const std::string to = CopyDestination(from, destination);

  const TFileDescriptor fd(::open(HostPath(from).c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.IsOpen()) return FileErrnoText(errno);
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return FileErrnoText(errno);
  if (S_ISDIR(st.st_mode)) return FileErrnoText(EACCES);
  // Same file: the same inode, whatever the names look like ("a.txt" and
  // "A.TXT" are two files here; a link and its target are one).
  const std::string toHost = HostPath(to);
  struct stat target {};
  if (::stat(toHost.c_str(), &target) == 0 && target.st_dev == st.st_dev && target.st_ino == st.st_ino)
    return std::string(Message(kCannotCopyOntoItself));
  const int failure = CopyContent(fd.Get(), st, toHost);
  DropReadCache(toHost);
  if (failure) return FileFailureText(failure, err::kAccessDenied);
  return {};
}

std::string EraseFileCommand(std::string_view name) {
  const std::string host = HostPath(name);
  struct stat st {};
  if (name.empty()) return FileErrorText(err::kFileNotFound);
  if (::stat(host.c_str(), &st) != 0) return FileFailureText(errno, err::kFileNotFound);
  if (S_ISDIR(st.st_mode)) return FileErrorText(err::kFileNotFound);
  DropReadCache(host);
  if (::unlink(host.c_str()) != 0) return FileErrnoText(errno);
  return {};
}

std::string FileSizeOnDisk(std::string_view name, std::optional<std::int64_t>& size) {
  size.reset();
  struct stat st {};
  if (name.empty()) return FileErrorText(err::kFileNotFound);
  if (::stat(HostPath(name).c_str(), &st) != 0) return FileErrnoText(errno);
  size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::int64_t>(st.st_size);
  return {};
}

bool FileExistsOnDisk(std::string_view name) {
  struct stat st {};
  return !name.empty() && ::stat(HostPath(name).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FolderExistsOnDisk(std::string_view name) {
  name = TrimBlanks(name);
  struct stat st {};
  return !name.empty() && ::stat(HostPath(name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string CreateFolderCommand(std::string_view name) {
  if (name.empty()) return FileErrorText(err::kPathNotFound);
  std::string host = HostPath(name);
  struct stat st {};
  if (::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return {};
  while (host.size() > 1 && host.back() == '/') host.pop_back();
  // Create each missing folder from the top down.
  for (std::size_t pos = 1; pos <= host.size(); ++pos) {
    if (pos != host.size() && host[pos] != '/') continue;
    const std::string part = host.substr(0, pos);
    if (::stat(part.c_str(), &st) == 0) {
      if (!S_ISDIR(st.st_mode)) return FileErrorText(err::kPathNotFound);
      continue;
    }
    if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return FileErrorText(err::kPathNotFound);
  }
  return {};
}

std::string RemoveFolderCommand(std::string_view name) {
  if (!name.empty() && ::rmdir(HostPath(name).c_str()) == 0) return {};
  std::string text = "\"";
  text.append(name).append("\"||").append(Message(kCannotRemoveFolder));
  return text;
}

}  // namespace orv
