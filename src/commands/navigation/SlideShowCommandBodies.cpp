#include "app/SlideShow.h"
#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "commands/navigation/PageCommands.h"
#include "commands/navigation/PlayerWindow.h"
#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"

namespace orv {
namespace {

void StartSlideShowBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  TSlideShow& show = window->SlideShow();
  show.Start(TSlideShow::PagesOf(eval.Param(1), window->Pages()),
             TSlideShow::DelayOf(eval.Param(2), eval.Vars().DecimalSymbol()), AnsiSameText(eval.Param(3), "Loop"),
             eval.Param(4));
}

void PauseSlideShowBody(TActionEval& eval) {
  if (TWorkForm* window = PlayerWindow(eval)) window->SlideShow().Pause();
}

void StopSlideShowBody(TActionEval& eval) {
  if (TWorkForm* window = PlayerWindow(eval)) window->SlideShow().Stop();
}

}  // namespace

void RegisterSlideShowCommands(TCommandTable& table) {
  table.Bind(cmd::kStartSlideShow, &StartSlideShowBody);
  table.Bind(cmd::kPauseSlideShow, &PauseSlideShowBody);
  table.Bind(cmd::kStopSlideShow, &StopSlideShowBody);
}

}  // namespace orv
