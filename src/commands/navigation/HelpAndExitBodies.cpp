#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <cctype>
#include <optional>
#include <string>

#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/HostPath.h"
#include "base/Messages.h"
#include "base/PathNames.h"
#include "commands/navigation/PageCommands.h"
#include "commands/navigation/PlayerWindow.h"
#include "commands/navigation/QueryForm.h"
#include "container/Package.h"
#include "container/PublicationKeyTable.h"
#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/ScriptHost.h"

namespace orv {
namespace {

// The folder of the publication file (Windows-1252, with its last "\").
std::string PublicationFolder(TActionEval& eval) {
  if (const Package* package = eval.Host().PublicationPackage(); package != nullptr && !package->FileName().empty())
    return std::string(ExtractFilePath(AnsiFromHostPath(package->FileName())));
  return eval.Vars().GetVar("PubDir");
}

// "HELPFILE=" as a file on disk: with variables in it, the substituted text
// as it is; otherwise found in the package (extracted) or beside the
// publication. Nothing when it cannot be found.
std::optional<std::string> HelpFilePath(TActionEval& eval, const std::string& setting) {
  std::string file;
  if (setting.find('[') != std::string::npos) {
    file = eval.Vars().SubstituteVars(setting);
  } else if (Package* package = eval.Host().PublicationPackage()) {
    const ResolveResult resolved = package->ResolveFile(setting);
    if (resolved.Code == 0) return std::nullopt;
    file = resolved.Path;
  } else {
    file = setting;
  }
  if (file.empty()) return std::nullopt;
  if (ExtractFilePath(file).empty()) file = JoinPath(PublicationFolder(eval), file);
  return file;
}

// Letters, digits and "#-._" only: a topic names a place in the file, never
// anything the desktop would read as more.
std::string CleanTopic(std::string_view topic) {
  std::string clean;
  for (const char c : topic) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) != 0 || c == '#' || c == '-' || c == '.' || c == '_') clean.push_back(c);
  }
  const std::size_t start = clean.find_first_not_of('#');
  return start == std::string::npos ? std::string() : clean.substr(start);
}

// No help viewer here: the desktop opens the file, an HTML file at the
// topic's anchor. A compiled help file cannot be opened at a topic and
// opens at its start.
void HelpTopicBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr || window->Settings().HelpFile.empty()) return;
  const std::optional<std::string> file = HelpFilePath(eval, window->Settings().HelpFile);
  if (!file) return;
  const std::string extension = AnsiLowerCase(ExtractFileExt(*file));
  const bool html = extension == ".htm" || extension == ".html";
  const std::string topic = html ? CleanTopic(eval.Param(1)) : std::string();
  if (window->OnOpenHelp) {
    window->OnOpenHelp(topic.empty() ? *file : *file + "#" + topic);
    return;
  }
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(HostPath(*file)));
  if (!topic.empty()) url.setFragment(QString::fromStdString(topic));
  if (!QDesktopServices::openUrl(url)) eval.Vars().SetLastError(Message(msg::kNotOnThisPlatform));
}

void ExitBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  if (!eval.Param(1).empty() || !eval.Param(2).empty()) {
    TQueryRequest request;
    request.Title = eval.Param(1);
    request.Message = eval.Param(2);
    request.Captions = {std::string(window->LocalisedText("L_YES=")), std::string(window->LocalisedText("L_NO="))};
    request.PictureFile = std::string(window->PublicationSettings().Text("EXITBOXIMAGE="));
    if (ShowQueryForm(request, window) != 1) return;
  }
  window->SetShutdownSource(TWorkForm::kShutdownByPublication);
  window->close();
}

}  // namespace

void RegisterHelpAndExitCommands(TCommandTable& table) {
  table.Bind(cmd::kHelpTopic, &HelpTopicBody);
  table.Bind(cmd::kExit, &ExitBody);
}

}  // namespace orv
