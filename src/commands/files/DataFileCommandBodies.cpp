// Bodies of the data-file commands.
#include "base/Ansi.h"
#include "base/HostPath.h"
#include "base/NumberText.h"
#include "commands/files/DataFile.h"
#include "commands/files/DeviceNames.h"
#include "commands/files/EmbeddedFiles.h"
#include "commands/files/FileCommands.h"
#include "commands/files/PublicationPath.h"
#include "script/ActionEvaluator.h"
#include "script/CommandIds.h"

namespace orv {
namespace {

std::string DataFilePath(TActionEval& eval) { return HostPath(ResolvePublicationPath(eval.Vars(), eval.Param(1))); }

std::int64_t LineParam(TActionEval& eval, bool allowAppend) {
  const std::string& text = eval.Param(2);
  if (AnsiSameText(text, "ALL")) return kWholeFile;
  if (allowAppend && AnsiSameText(text, "APPEND")) return kAppendLine;
  return NumberParam(text, eval.Vars().DecimalSymbol());
}

void Change(TActionEval& eval, DataFileChange change, std::int64_t line, std::string_view text, bool convert) {
  if (IsDeviceName(eval.Param(1))) {
    eval.Vars().SetLastError(WriteToDevice(eval.Param(1), text));
    return;
  }
  eval.Vars().SetLastError(ChangeDataFile(DataFilePath(eval), change, line, text, convert));
}

void FileReadBody(TActionEval& eval) {
  // Reused: a line-by-line read allocates nothing once it has met its
  // longest line.
  thread_local std::string value;
  const std::string error =
      ReadDataFileNamed(ResolvePublicationPath(eval.Vars(), eval.Param(1)), LineParam(eval, false), value);
  eval.Vars().SetVar(eval.Param(3), value);
  eval.Vars().SetLastError(error);
}

void FileWriteBody(TActionEval& eval) {
  Change(eval, DataFileChange::Write, LineParam(eval, true), eval.Param(3), !eval.IsLiteral(3));
}

void FileInsLineBody(TActionEval& eval) {
  Change(eval, DataFileChange::Insert, NumberParam(eval.Param(2), eval.Vars().DecimalSymbol()), {}, true);
}

void FileDelLineBody(TActionEval& eval) {
  Change(eval, DataFileChange::Delete, NumberParam(eval.Param(2), eval.Vars().DecimalSymbol()), {}, true);
}

void FileLenBody(TActionEval& eval) {
  eval.Vars().SetVar(eval.Param(2), FormatWholeNumber(CountDataFileLines(DataFilePath(eval))));
}

void FileToVarBody(TActionEval& eval) {
  const std::string& name = eval.Param(1);
  std::string error;
  std::optional<std::string> bytes = LoadPackageEntry(eval.Host(), name, error);
  if (!bytes && error.empty()) {
    // Not in the package: the file as named, from the current folder when
    // the name has none.
    error = ReadDataFile(HostPath(name), kWholeFile, bytes.emplace());
  }
  if (!error.empty()) {
    eval.Vars().SetLastError(error);
    return;
  }
  eval.Vars().SetVar(eval.Param(2), *bytes);
  eval.Vars().ClearLastError();
}

}  // namespace

void RegisterDataFileCommands(TCommandTable& table) {
  table.Bind(cmd::kFileRead, FileReadBody);
  table.Bind(cmd::kFileWrite, FileWriteBody);
  table.Bind(cmd::kFileInsLine, FileInsLineBody);
  table.Bind(cmd::kFileDelLine, FileDelLineBody);
  table.Bind(cmd::kFileLen, FileLenBody);
  table.Bind(cmd::kFileToVar, FileToVarBody);
}

}  // namespace orv
