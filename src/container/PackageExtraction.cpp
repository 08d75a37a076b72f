// Writing entries to disk and finding the files a publication names.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/ErrorText.h"
#include "base/HostPath.h"
#include "base/Messages.h"
#include "base/PathNames.h"
#include "container/EntryFileName.h"
#include "container/FileTreeSearch.h"
#include "container/Package.h"
#include "container/UniqueFile.h"

namespace orv {
namespace {

bool PathExists(const std::string& hostPath) {
  struct stat st;
  return ::lstat(hostPath.c_str(), &st) == 0;
}

// "Exists" for files a publication names: there, and not a folder.
bool FileExists(const std::string& hostPath) {
  struct stat st;
  return ::stat(hostPath.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

enum class CopyOutcome { kDone, kShort, kWriteFailed };

// Creates (or truncates) `hostPath` and copies the entry into it. Anything
// but a complete copy removes the file again: a truncated copy would
// otherwise be taken for a finished one by every later run.
CopyOutcome CopyToNewFile(const Package& package, const LibRec& entry, const std::string& hostPath, int& error) {
  const int fd = ::open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = ErrorCodeFromErrno(errno);
    return CopyOutcome::kWriteFailed;
  }
  bool writeFailed = false;
  const bool copied = package.CopyEntry(entry, [&](const char* data, std::size_t size) {
    if (WriteAll(fd, data, size)) return true;
    error = ErrorCodeFromErrno(errno);
    writeFailed = true;
    return false;
  });
  if (::close(fd) != 0 && !writeFailed && copied) {
    error = ErrorCodeFromErrno(errno);
    writeFailed = true;
  }
  if (copied && !writeFailed) return CopyOutcome::kDone;
  ::unlink(hostPath.c_str());
  if (writeFailed) return CopyOutcome::kWriteFailed;
  error = err::kReadFault;
  return CopyOutcome::kShort;
}

}  // namespace

ExtractResult Package::ExtractEntry(LibRec& entry, bool unique) {
  ExtractResult result;
  const std::optional<std::string> fileName = ExtractableFileName(entry.Name);
  if (!fileName) {
    result.Error = err::kFileNotFound;
    return result;
  }
  std::optional<std::string> path;
  if (unique) path = CreateUniqueFile(extractionFolder_, UniqueNameExtension(entry.Name));
  if (!path) {
    path = JoinPath(extractionFolder_, *fileName);
    if (PathExists(HostPath(*path))) {
      result.Code = pkg::kAlreadyThere;
      result.Path = *path;
      return result;
    }
  }
  result.Path = *path;
  switch (CopyToNewFile(*this, entry, HostPath(*path), result.Error)) {
    case CopyOutcome::kDone:
      entry.Extracted = true;
      entry.ExtractedPath = *path;
      result.Code = pkg::kWritten;
      break;
    case CopyOutcome::kShort:
      result.Code = pkg::kShortCopy;
      break;
    case CopyOutcome::kWriteFailed:
      result.Code = pkg::kExtractError;
      break;
  }
  return result;
}

ResolveResult Package::ResolveFile(std::string_view name) {
  ResolveResult result;
  if (LibRec* entry = FindEntry(name)) {
    const ExtractResult extracted = ExtractEntry(*entry, false);
    // Only a file that is really there is usable: a failed extraction is
    // reported as one, not handed on as a path.
    if (extracted.Code == pkg::kWritten || extracted.Code == pkg::kAlreadyThere) {
      result.Code = extracted.Code;
      result.Path = extracted.Path;
    } else {
      result.Error = extracted.Error != 0 ? extracted.Error : err::kReadFault;
    }
    return result;
  }
  // Without a known publication folder there is nothing to search beside it.
  const std::string_view folder = ExtractFilePath(publicationPath_);
  if (!folder.empty()) {
    const std::string_view nameFolder = ExtractFilePath(name);
    if (nameFolder.size() >= folder.size() && AnsiSameText(nameFolder.substr(0, folder.size()), folder) &&
        FileExists(HostPath(name))) {
      result.Code = pkg::kAlreadyThere;
      result.Path = std::string(name);
      return result;
    }
    if (auto hit = FindFileInTree(HostPath(folder), ExtractFileName(name))) {
      result.Code = pkg::kAlreadyThere;
      result.Path = AnsiFromHostPath(*hit);
      return result;
    }
  }
  if (FileExists(HostPath(name))) {
    result.Code = pkg::kAlreadyThere;
    result.Path = std::string(name);
    return result;
  }
  result.Error = err::kFileNotFound;
  return result;
}

void Package::DeleteExtractedCopy(std::string_view name) {
  LibRec* entry = FindEntry(name);
  if (!entry || !entry->Extracted) return;
  ::unlink(HostPath(entry->ExtractedPath).c_str());
  entry->Extracted = false;
  entry->ExtractedPath.clear();
}

bool Package::ExtractToFile(std::string_view name, std::string_view destination, bool createEmpty,
                            std::string& lastError) {
  lastError.clear();
  const LibRec* entry = FindEntry(name);
  if (!entry && !createEmpty) {
    lastError = std::string(Message(msg::kFileMissing));
    return false;
  }
  const std::string hostPath = HostPath(destination);
  if (!entry) {
    const int fd = ::open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
      lastError = ErrorText(ErrorCodeFromErrno(errno));
      return false;
    }
    ::close(fd);
    return true;
  }
  int error = 0;
  if (CopyToNewFile(*this, *entry, hostPath, error) != CopyOutcome::kDone) {
    lastError = ErrorText(error);
    return false;
  }
  return true;
}

}  // namespace orv
