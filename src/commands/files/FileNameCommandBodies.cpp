// Bodies of the commands that take file names apart.
#include "base/PathNames.h"
#include "commands/files/FileCommands.h"
#include "script/ActionEvaluator.h"
#include "script/CommandIds.h"

namespace orv {
namespace {

// "C:" of a drive path; "\\server\share" of a network path; else empty.
std::string_view FileDrive(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  if (path.size() < 2 || path[0] != '\\' || path[1] != '\\') return {};
  const std::size_t server = path.find('\\', 2);
  if (server == std::string_view::npos) return path;
  const std::size_t share = path.find('\\', server + 1);
  return share == std::string_view::npos ? path : path.substr(0, share);
}

void ExtractFilePathBody(TActionEval& eval) { eval.Vars().SetVar(eval.Param(2), ExtractFilePath(eval.Param(1))); }
void ExtractFileNameBody(TActionEval& eval) { eval.Vars().SetVar(eval.Param(2), ExtractFileName(eval.Param(1))); }
void ExtractFileExtBody(TActionEval& eval) { eval.Vars().SetVar(eval.Param(2), ExtractFileExt(eval.Param(1))); }
void ExtractFileDriveBody(TActionEval& eval) { eval.Vars().SetVar(eval.Param(2), FileDrive(eval.Param(1))); }
void ChangeFileExtBody(TActionEval& eval) {
  eval.Vars().SetVar(eval.Param(3), ChangeFileExt(eval.Param(1), eval.Param(2)));
}

}  // namespace

void RegisterFileNameCommands(TCommandTable& table) {
  table.Bind(cmd::kExtractFilePath, ExtractFilePathBody);
  table.Bind(cmd::kExtractFileName, ExtractFileNameBody);
  table.Bind(cmd::kExtractFileExt, ExtractFileExtBody);
  table.Bind(cmd::kExtractFileDrive, ExtractFileDriveBody);
  table.Bind(cmd::kChangeFileExt, ChangeFileExtBody);
}

}  // namespace orv
