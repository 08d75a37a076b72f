// Writing entries to disk and finding the files a publication names.
#include <sys/stat.h>
#include <unistd.h>

#include "base/ErrorText.h"
#include "base/HostPath.h"
#include "base/Messages.h"
#include "base/PathNames.h"
#include "base/ReplacingFile.h"
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

enum class CopyOutcome { kDone, kShort, kWriteFailed };

// Writes the entry as the new content of `hostPath`. The file there is
// replaced only by a complete copy: a damaged entry or a full disk leaves
// whatever was there before, and never a truncated copy that a later run
// would take for a finished one.
CopyOutcome CopyToFile(const Package& package, const LibRec& entry, const std::string& hostPath, int& error) {
  TReplacingFile out(hostPath);
  if (const int e = out.Open()) {
    error = ErrorCodeFromErrno(e);
    return CopyOutcome::kWriteFailed;
  }
  int writeFailure = 0;
  const bool copied = package.CopyEntry(entry, [&](const char* data, std::size_t size) {
    writeFailure = out.Write(std::string_view(data, size));
    return writeFailure == 0;
  });
  if (copied) writeFailure = out.Commit();
  if (writeFailure != 0) {
    error = ErrorCodeFromErrno(writeFailure);
    return CopyOutcome::kWriteFailed;
  }
  if (copied) return CopyOutcome::kDone;
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
  const bool reserved = path.has_value();
  if (!path) {
    path = JoinPath(extractionFolder_, *fileName);
    if (PathExists(HostPath(*path))) {
      result.Code = pkg::kAlreadyThere;
      result.Path = *path;
      return result;
    }
  }
  result.Path = *path;
  const std::string hostPath = HostPath(*path);
  const CopyOutcome outcome = CopyToFile(*this, entry, hostPath, result.Error);
  // The unique name was taken by an empty file; without its copy it goes.
  if (outcome != CopyOutcome::kDone && reserved) ::unlink(hostPath.c_str());
  switch (outcome) {
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
    if (const int e = ReplaceFileContent(hostPath, {})) {
      lastError = ErrorText(ErrorCodeFromErrno(e));
      return false;
    }
    return true;
  }
  int error = 0;
  if (CopyToFile(*this, *entry, hostPath, error) != CopyOutcome::kDone) {
    lastError = ErrorText(error);
    return false;
  }
  return true;
}

}  // namespace orv
