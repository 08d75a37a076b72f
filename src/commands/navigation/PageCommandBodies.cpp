#include <cstdint>
#include <optional>

#include "app/WorkForm.h"
#include "base/NumberText.h"
#include "commands/navigation/PageCommands.h"
#include "commands/navigation/PlayerWindow.h"
#include "pages/PageList.h"
#include "pages/PageListHistory.h"
#include "pages/PageListNavigator.h"
#include "script/ActionEvaluator.h"
#include "script/ActionEvaluatorErrors.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/CompiledScript.h"

namespace orv {
namespace {

// The running script is a page's enter action and nothing but blank lines,
// labels and comments follow the current line: a change made now would
// run inside the enter action, so it is made once the action has ended.
bool LastLineOfEnterAction(const TActionEval& eval) {
  if (eval.Source() != kSourcePageEnter) return false;
  const TCompiledScript& script = eval.Script();
  for (int n = eval.LineIndex + 1; n <= script.LineCount(); ++n) {
    const LineKind kind = script.Line(n).Kind;
    if (kind != LineKind::lkEmpty && kind != LineKind::lkLabel && kind != LineKind::lkComment) return false;
  }
  return true;
}

bool IsTarget(const TOVPageList& pages, int target) {
  return target != pages.PageIndex() && target > 0 && target < pages.Count();
}

void ShowTarget(TActionEval& eval, TWorkForm& window, int target) {
  if (!IsTarget(window.Pages(), target)) return;
  if (LastLineOfEnterAction(eval)) {
    // Nothing is served for the rest of this run, so the posted change
    // comes after it.
    eval.AddExclusive();
    window.Navigator().PostPageChange(target);
    return;
  }
  window.Navigator().RequestPageChange(target, true);
}

void GotoPageBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  const int index = window->Pages().IndexOfName(eval.Param(1));
  if (index <= 0) {
    eval.ActionError(ae::kNoPage, eval.Param(1));
    return;
  }
  ShowTarget(eval, *window, index);
}

void GotoPageNumBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  // Read whole: a number beyond 32 bits is out of range, not cut to one
  // that happens to be a page.
  const std::int64_t number = NumberParam(eval.Param(1), eval.Vars().DecimalSymbol());
  if (number < 1 || number >= window->Pages().Count()) {
    eval.ActionError(ae::kNoPage, eval.Param(1));
    return;
  }
  ShowTarget(eval, *window, static_cast<int>(number));
}

template <int (*Target)(const TOVPageList&)>
void GotoRelativeBody(TActionEval& eval) {
  if (TWorkForm* window = PlayerWindow(eval)) ShowTarget(eval, *window, Target(window->Pages()));
}

int PreviousPage(const TOVPageList& pages) { return pages.PageIndex() - 1; }
int NextPage(const TOVPageList& pages) { return pages.PageIndex() + 1; }
int FirstPage(const TOVPageList&) { return 1; }
int LastPage(const TOVPageList& pages) { return pages.Count() - 1; }

void ReturnToPageBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  TPageNavigator& navigator = window->Navigator();
  if (navigator.History().Empty()) return;
  const int target = navigator.History().Last();
  if (IsTarget(window->Pages(), target) && LastLineOfEnterAction(eval)) {
    eval.AddExclusive();
    navigator.PostReturnToPage(target);
    return;
  }
  navigator.ReturnToPage();
}

}  // namespace

void RegisterPageCommands(TCommandTable& table) {
  table.Bind(cmd::kGotoPage, &GotoPageBody);
  table.Bind(cmd::kGotoPageNum, &GotoPageNumBody);
  table.Bind(cmd::kGotoPrevPage, &GotoRelativeBody<&PreviousPage>);
  table.Bind(cmd::kGotoNextPage, &GotoRelativeBody<&NextPage>);
  table.Bind(cmd::kGotoFirstPage, &GotoRelativeBody<&FirstPage>);
  table.Bind(cmd::kGotoLastPage, &GotoRelativeBody<&LastPage>);
  table.Bind(cmd::kReturnToPage, &ReturnToPageBody);
  RegisterSlideShowCommands(table);
  RegisterHelpAndExitCommands(table);
}

}  // namespace orv
