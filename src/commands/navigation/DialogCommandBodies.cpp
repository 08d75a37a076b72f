// Bodies of the dialog commands. Each dialog opens over the publication
// window of the running script, in its dialog font and with its "L_"
// captions; without a window (a headless tool) the application's defaults
// stand in.
#include <string>
#include <vector>

#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/Messages.h"
#include "base/NumberText.h"
#include "commands/navigation/DialogCommands.h"
#include "commands/navigation/FileDialogs.h"
#include "commands/navigation/InputBoxForm.h"
#include "commands/navigation/PlayerDialog.h"
#include "commands/navigation/PlayerWindow.h"
#include "commands/navigation/QueryForm.h"
#include "container/PublicationKeyTable.h"
#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/Vars.h"

namespace orv {
namespace {

std::string Setting(const TWorkForm* window, std::string_view key) {
  return window != nullptr ? std::string(window->PublicationSettings().Text(key)) : std::string();
}

std::vector<std::string> Captions(std::string_view text) {
  std::vector<std::string> captions;
  if (text.empty()) return captions;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = text.find('|', from);
    captions.emplace_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
    if (at == std::string_view::npos) return captions;
    from = at + 1;
  }
}

void AlertBoxBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  TQueryRequest request;
  request.Title = eval.Param(1);
  request.Message = eval.Param(2);
  request.Captions = {std::string(LocalisedCaption(window, "L_OK="))};
  request.PictureFile = Setting(window, "ALERTBOXIMAGE=");
  ShowQueryForm(request, window);
}

void MessageBoxBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  TQueryRequest request;
  request.Title = eval.Param(1);
  request.Message = eval.Param(2);
  request.Captions = Captions(eval.Param(3));
  request.PictureFile = Setting(window, "MSGBOXIMAGE=");
  const std::string variable = eval.Param(4);
  eval.Vars().SetVar(variable, FormatWholeNumber(ShowQueryForm(request, window)));
}

void InputBoxBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  const std::string variable = eval.Param(3);
  TInputBoxRequest request;
  request.Title = eval.Param(1);
  request.Prompt = eval.Param(2);
  request.Text = eval.Vars().GetVar(variable);
  request.OkCaption = LocalisedCaption(window, "L_OK=");
  request.CancelCaption = LocalisedCaption(window, "L_CANCEL=");
  std::string entered;
  try {
    const TModalDialogScope scope;
    TInputBoxForm form(request, DialogFont(window), DialogOwner(window));
    entered = form.Run();
  } catch (...) {
    eval.Vars().SetVar(variable, "");
    throw;
  }
  eval.Vars().SetVar(variable, entered);
}

// The chosen paths into `variable`; one Windows-1252 cannot name leaves it
// empty and says so in "[LastError]".
void WriteChosenPaths(TActionEval& eval, const std::string& variable, const QStringList& chosen) {
  const std::optional<std::string> paths = ScriptPaths(chosen);
  eval.Vars().SetVar(variable, paths.value_or(std::string()));
  eval.Vars().SetLastError(paths ? std::string_view() : Message(msg::kInvalidFileName));
}

void FileOpenBoxBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  TFileDialogRequest request;
  request.Title = eval.Param(1);
  request.Filter = eval.Param(2);
  request.Start = eval.Param(3);
  request.Multiple = AnsiFindText(eval.Param(5), "MULTIPLE") != std::string::npos;
  const std::string variable = eval.Param(4);
  const TModalDialogScope scope;
  WriteChosenPaths(eval, variable, RunFileOpenDialog(request, DialogFont(window), DialogOwner(window)));
}

void FileSaveBoxBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  TFileDialogRequest request;
  request.Title = eval.Param(1);
  request.Filter = eval.Param(2);
  request.Start = eval.Param(3);
  const std::string variable = eval.Param(4);
  const TModalDialogScope scope;
  WriteChosenPaths(eval, variable, RunFileSaveDialog(request, DialogFont(window), DialogOwner(window)));
}

void FolderBoxBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  const std::string variable = eval.Param(2);
  TFileDialogRequest request;
  request.Title = eval.Param(1);
  request.Start = eval.Vars().GetVar(variable);
  const TModalDialogScope scope;
  WriteChosenPaths(eval, variable, RunFolderDialog(request, DialogFont(window), DialogOwner(window)));
}

}  // namespace

void RegisterDialogCommands(TCommandTable& table) {
  table.Bind(cmd::kAlertBox, &AlertBoxBody);
  table.Bind(cmd::kMessageBox, &MessageBoxBody);
  table.Bind(cmd::kInputBox, &InputBoxBody);
  table.Bind(cmd::kFileOpenBox, &FileOpenBoxBody);
  table.Bind(cmd::kFileSaveBox, &FileSaveBoxBody);
  table.Bind(cmd::kFolderBox, &FolderBoxBody);
}

}  // namespace orv
