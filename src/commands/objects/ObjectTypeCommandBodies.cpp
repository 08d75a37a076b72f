// The commands for particular object types: track-bar ranges, the
// picture's zoom and the article's jump to an anchor, with the list
// commands of their own file. Sent to an object of another type they do
// nothing.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>

#include "app/WorkForm.h"
#include "base/NumberText.h"
#include "commands/WholeNumberParams.h"
#include "commands/objects/ListBoxCommands.h"
#include "commands/objects/ObjectCommands.h"
#include "commands/objects/ObjectLookup.h"
#include "objects/InputObjects.h"
#include "objects/pictures/PictureObject.h"
#include "objects/text/Article.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "script/ActionEvaluator.h"
#include "script/ActionEvaluatorErrors.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/Engine.h"
#include "script/ScriptHost.h"
#include "script/Vars.h"

namespace orv {
namespace {

// The bar keeps its range whole (the other end gives way), pulls its value
// into it and redraws itself.
void TrackBarSetMinBody(TActionEval& eval) {
  if (auto* bar = FindTargetOfType<TOrvalisTrackBar>(eval)) bar->SetMinimum(IntParam(eval, 2));
}

void TrackBarSetMaxBody(TActionEval& eval) {
  if (auto* bar = FindTargetOfType<TOrvalisTrackBar>(eval)) bar->SetMaximum(IntParam(eval, 2));
}

void PictureMagnifyBody(TActionEval& eval) {
  if (auto* picture = FindTargetOfType<TOrvalisPicture>(eval)) picture->SetZoomFactor(IntParam(eval, 2));
}

// Turns to the page of an article that lies on another page, screened as
// the page-changing commands are; true when that page is shown now.
bool ShowArticlePage(TActionEval& eval, const TargetObject& target) {
  TWorkForm* window = target.Window;
  if (target.InCustomWindow || window == nullptr || target.PageIndex <= 0) return true;
  if (target.PageIndex == window->Pages().PageIndex()) return true;
  if (eval.Engine().Host().SinglePageTestRun()) {
    eval.ActionError(ae::kSinglePageTest);
    return false;
  }
  // Inside a page-change or exit action a change would run that action
  // again, nested without end.
  if ((eval.Options() & eoNoPageChange) != 0) {
    eval.ActionError(ae::kPageChangeBlocked);
    return false;
  }
  window->Navigator().RequestPageChange(target.PageIndex, true);
  // The page-change action may cancel or redirect the change.
  return window->Pages().PageIndex() == target.PageIndex;
}

void ArticleJumpToBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (!target) return;
  auto* article = dynamic_cast<TOrvalisArticle*>(target->Object);
  if (article == nullptr || !ShowArticlePage(eval, *target)) return;
  article->JumpToBookmark(eval.Param(2));
}

}  // namespace

void RegisterObjectTypeCommands(TCommandTable& table) {
  RegisterListBoxCommands(table);
  table.Bind(cmd::kTrackBarSetMin, &TrackBarSetMinBody);
  table.Bind(cmd::kTrackBarSetMax, &TrackBarSetMaxBody);
  table.Bind(cmd::kPictureMagnify, &PictureMagnifyBody);
  table.Bind(cmd::kArticleJumpTo, &ArticleJumpToBody);
}

}  // namespace orv
