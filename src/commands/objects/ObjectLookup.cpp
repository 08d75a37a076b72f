#include "commands/objects/ObjectLookup.h"

#include <string>

#include "app/WorkForm.h"
#include "base/Messages.h"
#include "commands/navigation/PlayerWindow.h"
#include "commands/objects/ObjectRedraw.h"
#include "objects/MediaObjects.h"
#include "objects/OrvalisObj.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "script/ActionEvaluator.h"
#include "script/Vars.h"

namespace orv {

namespace {

// The background the object sits on directly (the master page's own for
// its objects, wherever that background is shown).
const TOrvalisBackground* InnermostBackground(const TOrvalisObj& object) {
  for (QWidget* parent = object.parentWidget(); parent != nullptr; parent = parent->parentWidget())
    if (auto* background = dynamic_cast<TOrvalisBackground*>(parent)) return background;
  return nullptr;
}

int PageIndexOf(const TOVPageList& pages, const TOrvalisBackground* background) {
  if (background == nullptr) return -1;
  // The master page's background lies inside the page showing it.
  if (const TOVPage* master = pages.Page(0); master != nullptr && &master->Background() == background) return 0;
  const int index = pages.IndexOfPage(dynamic_cast<const TOVPage*>(background->parentWidget()));
  return index >= 0 && &pages.Page(index)->Background() == background ? index : -1;
}

std::string RectText(const QRect& r) {
  return std::to_string(r.x()) + ',' + std::to_string(r.y()) + ',' + std::to_string(r.width()) + ',' +
         std::to_string(r.height());
}

}  // namespace

std::optional<TargetObject> FindTargetObject(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return std::nullopt;
  const std::string& name = eval.Param(1);
  TOrvalisObj* object = window->FindObject(name, true);
  if (object == nullptr) {
    eval.Vars().SetLastError("\"" + name + "\"||" + std::string(Message(msg::kNoSuchObject)));
    return std::nullopt;
  }
  TargetObject target;
  target.Window = window;
  target.Object = object;
  // Objects a custom window took from their page sit on the window's own
  // background, which no page has.
  target.PageIndex = PageIndexOf(window->Pages(), InnermostBackground(*object));
  target.InCustomWindow = target.PageIndex < 0;
  return target;
}

bool IsOnScreen(const TargetObject& target) {
  if (target.Object == nullptr || target.Window == nullptr) return false;
  if (target.InCustomWindow) return true;
  const TOVPageList& pages = target.Window->Pages();
  const int current = pages.PageIndex();
  if (target.PageIndex == current) return true;
  if (target.PageIndex != 0 || current <= 0) return false;
  const TOVPage* page = pages.Page(current);
  return page != nullptr && page->Background().ShowMasterPage();
}

void ChangeObjectVisibility(TActionEval&, const TargetObject& target, bool visible, std::string_view effect,
                            std::string_view speed) {
  TOrvalisObj* object = target.Object;
  if (object == nullptr || dynamic_cast<TOrvalisTimer*>(object) != nullptr) return;
  if (!IsOnScreen(target)) {
    object->SetVisibleState(visible);
    return;
  }
  TPageRedrawPause pause(target.Window != nullptr ? &target.Window->PageSteps() : nullptr);
  TOrvalisBackground* page = nullptr;
  // The area seen before the change: a hidden object has its place all the
  // same, and showing it changes that place only.
  const QRect area = VisibleObjectArea(*object, &page);
  try {
    QImage before;
    if (!effect.empty() && page != nullptr) before = RenderPageArea(*page, area);
    object->SetVisibleState(visible);
    if (page != nullptr && !area.isEmpty()) {
      const QImage after = effect.empty() ? QImage() : RenderPageArea(*page, area);
      PlayObjectEffect(*page, area, before, after, effect, speed);
      // Qt leaves a widget just shown to its own paint request.
      if (visible) object->repaint();
    }
  } catch (...) {
    // The page is simply painted the ordinary way.
    object->SetVisibleState(visible);
    if (page != nullptr) page->update();
  }
  object->Notify(kMsgMoved, {}, {});
  if (page != nullptr && !area.isEmpty()) page->NotifyObjects(kMsgPageShown, "1", RectText(area), true);
}

void ShowChangedLook(TActionEval& eval, const TargetObject& target) {
  if (target.Object == nullptr || !target.Object->VisibleState() || !IsOnScreen(target)) return;
  ChangeObjectVisibility(eval, target, true, {}, {});
}

}  // namespace orv
