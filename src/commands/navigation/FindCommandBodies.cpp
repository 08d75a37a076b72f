#include "app/WorkForm.h"
#include "commands/navigation/FindCommands.h"
#include "commands/navigation/FindForm.h"
#include "commands/navigation/PlayerWindow.h"
#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"

namespace orv {
namespace {

void FindBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  TFindForm& form = PrepareFindForm(*window, eval.Param(1));
  form.show();
  form.raise();
  form.activateWindow();
}

void FindFirstBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  TFindForm& form = PrepareFindForm(*window, eval.Param(2));
  form.SetSearchText(eval.Param(1));
  form.PressFindFirst();
}

void FindNextBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  if (TFindForm* form = FindFormOf(*window)) form->PressFindNext();
}

}  // namespace

void RegisterFindCommands(TCommandTable& table) {
  table.Bind(cmd::kFind, &FindBody);
  table.Bind(cmd::kFindFirst, &FindFirstBody);
  table.Bind(cmd::kFindNext, &FindNextBody);
}

}  // namespace orv
