// Bodies of the commands on whole files and folders.
#include <cstdint>
#include <optional>

#include "base/ErrorText.h"
#include "base/NumberText.h"
#include "base/PathNames.h"
#include "commands/files/EmbeddedFiles.h"
#include "commands/files/FileCommands.h"
#include "commands/files/FileErrorText.h"
#include "commands/files/FileListing.h"
#include "commands/files/FileOperations.h"
#include "commands/files/PublicationPath.h"
#include "script/ActionEvaluator.h"
#include "script/CommandIds.h"

namespace orv {
namespace {

std::string PubDir(TActionEval& eval) { return eval.Vars().GetVar("PubDir"); }

void FileCopyBody(TActionEval& eval) {
  eval.Vars().SetLastError(CopyFileCommand(eval.Param(1), eval.Param(2), PubDir(eval)));
}

void FileEraseBody(TActionEval& eval) {
  const std::string& name = eval.Param(1);
  eval.Vars().SetLastError(name.empty() ? FileErrorText(err::kFileNotFound)
                                        : EraseFileCommand(ResolvePublicationPath(eval.Vars(), name)));
}

void FileSizeBody(TActionEval& eval) {
  const std::string& name = eval.Param(1);
  std::optional<std::int64_t> size;
  std::string error;
  if (IsEmbeddedName(name)) {
    if (EmbeddedTestRun(eval.Host())) {
      const std::optional<std::string> file = EmbeddedTestFile(eval.Host(), name);
      if (file)
        error = FileSizeOnDisk(*file, size);
      else
        error = FileErrorText(err::kFileNotFound);
    } else {
      size = PackageEntrySize(eval.Host(), name);
      if (!size) error = FileErrorText(err::kFileNotFound);
    }
  } else {
    error = FileSizeOnDisk(ResolvePublicationPath(eval.Vars(), name), size);
  }
  eval.Vars().SetVar(eval.Param(2), size ? FormatWholeNumber(*size) : std::string());
  eval.Vars().SetLastError(error);
}

void FileExistsBody(TActionEval& eval) {
  const std::string& name = eval.Param(1);
  bool exists;
  if (IsEmbeddedName(name)) {
    if (EmbeddedTestRun(eval.Host())) {
      const std::optional<std::string> file = EmbeddedTestFile(eval.Host(), name);
      exists = file && FileExistsOnDisk(*file);
    } else {
      exists = PackageEntrySize(eval.Host(), name).has_value();
    }
  } else {
    exists = FileExistsOnDisk(ResolvePublicationPath(eval.Vars(), name));
  }
  eval.Vars().SetVar(eval.Param(2), exists ? "True" : "False");
}

void FolderExistsBody(TActionEval& eval) {
  std::string_view name = eval.Param(1);
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  const bool exists = !name.empty() && FolderExistsOnDisk(ResolvePublicationPath(eval.Vars(), name));
  eval.Vars().SetVar(eval.Param(2), exists ? "True" : "False");
}

void CreateFolderBody(TActionEval& eval) { eval.Vars().SetLastError(CreateFolderCommand(eval.Param(1))); }
void RemoveFolderBody(TActionEval& eval) { eval.Vars().SetLastError(RemoveFolderCommand(eval.Param(1))); }

void ExtractFileBody(TActionEval& eval) {
  const std::string& name = eval.Param(1);
  if (EmbeddedTestRun(eval.Host())) {
    // A test run's embedded files are ordinary files: copy the one the
    // test-run list names.
    const std::string source = IsEmbeddedName(name) ? EmbeddedTestFile(eval.Host(), name).value_or(name) : name;
    eval.Vars().SetLastError(CopyFileCommand(source, eval.Param(2), PubDir(eval)));
    return;
  }
  if (name.empty()) {
    eval.Vars().SetLastError(FileErrorText(err::kFileNotFound));
    return;
  }
  std::string destination = eval.Param(2);
  if (ExtractFilePath(destination).empty()) destination = JoinPath(PubDir(eval), destination);
  if (ExtractFileName(destination).empty()) destination.append(ExtractFileName(name));
  eval.Vars().SetLastError(ExtractPackageEntry(eval.Host(), name, destination));
}

void FileListBody(TActionEval& eval) {
  std::string list;
  const std::string error = ListFolder(eval.Param(1), eval.Param(2), list);
  eval.Vars().SetVar(eval.Param(3), list);
  eval.Vars().SetLastError(error);
}

}  // namespace

void RegisterFileCommands(TCommandTable& table) {
  table.Bind(cmd::kFileCopy, FileCopyBody);
  table.Bind(cmd::kFileErase, FileEraseBody);
  table.Bind(cmd::kFileSize, FileSizeBody);
  table.Bind(cmd::kFileExists, FileExistsBody);
  table.Bind(cmd::kFolderExists, FolderExistsBody);
  table.Bind(cmd::kCreateFolder, CreateFolderBody);
  table.Bind(cmd::kRemoveFolder, RemoveFolderBody);
  table.Bind(cmd::kExtractFile, ExtractFileBody);
  table.Bind(cmd::kFileList, FileListBody);
}

}  // namespace orv
