#include "pages/PageListNavigator.h"

#include <QCoreApplication>
#include <Qt>

#include "base/Messages.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "script/ActionEvaluator.h"
#include "script/Engine.h"
#include "ui/PostedWorkEvent.h"

namespace orv {

namespace {

constexpr std::string_view kPageChangeName = "[PageChangeName]";
constexpr ColourValue kWhite = 0xFFFFFF;

}  // namespace

TPageNavigator::TPageNavigator(TOVPageList& pages, TScriptEngine& engine, TPageChangeSteps* steps)
    : pages_(pages), engine_(engine), steps_(steps ? *steps : defaultSteps_) {
  pages_.OnPageChange = [this](int index, bool& allow) {
    PageChanging(index);
    allow = true;
  };
  pages_.OnPageChanged = [this](int index) { PageChanged(index); };
}

TPageNavigator::~TPageNavigator() {
  pages_.OnPageChange = nullptr;
  pages_.OnPageChanged = nullptr;
}

bool TPageNavigator::RunAction(std::string_view script, int source, std::string_view sourceName) {
  if (engine_.Closing()) return false;
  // A page change asked for while one is being decided or left would nest
  // without end: those actions refuse it.
  const std::uint8_t options = source == kSourcePageChange || source == kSourcePageExit ? eoNoPageChange : 0;
  engine_.RunScript(script, options, static_cast<std::uint8_t>(source), kPublicationObjectType, sourceName);
  return !engine_.Closing();
}

std::string TPageNavigator::TakePageChangeName() {
  TVars& vars = engine_.Vars();
  std::string name = vars.GetVar(kPageChangeName);
  std::string key;
  vars.VariableKeyInto(kPageChangeName, key);
  for (TVarStringList* store : {&vars.Globals(), vars.Locals()}) {
    if (store == nullptr) continue;
    if (const VarEntry* entry = store->Find(key)) store->Erase(*entry);
  }
  return name;
}

bool TPageNavigator::RequestPageChange(int index, bool runActions) {
  bool valid = pages_.IsValidIndex(index);
  if (runActions && !pageChangeAction_.empty() && !engine_.Closing()) {
    const TOVPage* target = pages_.Page(index);
    engine_.Vars().SetVar(kPageChangeName, target ? target->Name() : std::string());
    const bool open = RunAction(pageChangeAction_, kSourcePageChange, {});
    const std::string name = TakePageChangeName();
    if (!open || name.empty()) return false;
    const int named = pages_.IndexOfName(name);
    if (named <= 0) {
      engine_.Vars().SetLastError(Message(msg::kNoPage));
      return false;
    }
    index = named;
    valid = true;
  }
  // A cancelled or impossible change stops here: nothing of the switch
  // (history, movers, cursor, actions) may happen for it.
  if (!valid) return false;
  if (runActions) {
    if (const TOVPage* current = pages_.Page(pages_.PageIndex())) {
      const std::string exitAction = current->Background().ExitAction();
      if (!exitAction.empty()) {
        const std::string currentName = current->Name();
        if (!RunAction(exitAction, kSourcePageExit, currentName)) return false;
        // The exit action may have reloaded or emptied the page list.
        if (!pages_.IsValidIndex(index)) return false;
      }
    }
  }
  ShowPage(index);
  return true;
}

void TPageNavigator::ShowPage(int index) {
  TOVPage* page = pages_.Page(index);
  if (page == nullptr) return;
  const int current = pages_.PageIndex();
  if (index != current) steps_.NotifyPluginsPageChange(index);
  steps_.ShowWaitCursor();
  {
    // Cartoons, the drag image and the cursor come back however the switch
    // ends.
    struct Resume {
      TPageChangeSteps& steps;
      ~Resume() {
        steps.ResumeCartoons();
        steps.ShowDragImage();
        steps.RestoreCursor();
      }
    };
    Resume resume{steps_};
    if (index != current && !page->Background().Effect().empty()) steps_.CaptureOldPicture(index);
    const int direction = index - current;
    // The first page shown starts the history with itself.
    history_.Add(current == -1 ? index : current);
    steps_.StopMovers();
    steps_.SuspendCartoons();
    steps_.HideDragImage();
    // The list raises no change for the first page it shows, but that page
    // needs its master page and its objects' page entering all the same.
    if (current == -1) PageChanging(index);
    pages_.SetPageIndex(index);
    steps_.SelectPagePalette(index);
    steps_.PlayTransition(index, direction);
    page->Background().NotifyObjects(kMsgPageShown, {}, {}, true);
    steps_.FocusFirstObject(index);
  }
  if (!startupDone_) {
    startupDone_ = true;
    if (!startupAction_.empty() && !RunAction(startupAction_, kSourceStartup, {})) return;
  }
  // The start-up action may have gone elsewhere; only the page still shown
  // gets its enter action.
  if (TOVPage* shown = pages_.Page(pages_.PageIndex()); shown == page && pages_.PageIndex() == index) {
    const std::string enterAction = page->Background().EnterAction();
    if (!enterAction.empty()) {
      const std::string name = page->Name();
      if (!RunAction(enterAction, kSourcePageEnter, name)) return;
    }
  }
  steps_.RestartIdleTimer();
}

void TPageNavigator::ReturnToPage() {
  if (history_.Empty()) return;
  ReturnTo(history_.Last());
}

void TPageNavigator::ReturnTo(int target) {
  struct Enable {
    TPageHistory& history;
    ~Enable() { history.SetEnabled(true); }
  } enable{history_};
  history_.SetEnabled(false);
  if (target != pages_.PageIndex() && target >= 1 && target < pages_.Count()) RequestPageChange(target, true);
  if (!history_.Empty() && history_.Last() == pages_.PageIndex()) history_.RemoveLast();
}

void TPageNavigator::PostPageChange(int index) {
  posted_.emplace_back(index, false);
  QCoreApplication::postEvent(this, new TPageChangeEvent(index));
}

void TPageNavigator::PostReturnToPage(int index) {
  posted_.emplace_back(index, true);
  QCoreApplication::postEvent(this, new TPageChangeEvent(index));
}

TPageNavigator::KeyResult TPageNavigator::HandleKey(int key, const KeySettings& settings) {
  if (key == Qt::Key_Escape) {
    if (settings.EscBlocked || !settings.AllowEsc) return KeyResult::Ignored;
    return KeyResult::Close;
  }
  if (!settings.AllowPageUpDown) return KeyResult::Ignored;
  const int current = pages_.PageIndex();
  const int last = pages_.Count() - 1;
  int target = -1;
  switch (key) {
    case Qt::Key_PageUp:
      if (current > 1) target = current - 1;
      break;
    case Qt::Key_PageDown:
      if (current < last) target = current + 1;
      break;
    case Qt::Key_Home:
      if (settings.EditHasFocus) return KeyResult::Ignored;
      if (current != 1 && last >= 1) target = 1;
      break;
    case Qt::Key_End:
      if (settings.EditHasFocus) return KeyResult::Ignored;
      if (current != last && last >= 1) target = last;
      break;
    default:
      return KeyResult::Ignored;
  }
  if (target != -1) PostPageChange(target);
  return KeyResult::Consumed;
}

bool TPageNavigator::event(QEvent* event) {
  if (event->type() == kPageChangeEvent) {
    const int index = static_cast<TPageChangeEvent*>(event)->Index;
    bool returning = false;
    if (!posted_.empty()) {
      returning = posted_.front().second && posted_.front().first == index;
      posted_.pop_front();
    }
    if (returning)
      ReturnTo(index);
    else
      RequestPageChange(index, true);
    return true;
  }
  return QObject::event(event);
}

void TPageNavigator::PageChanging(int index) {
  if (TOVPage* old = pages_.Page(pages_.PageIndex()))
    old->Background().NotifyObjects(kMsgPageLeaving, {}, {}, true);
  AttachMasterPage(index);
  if (TOVPage* next = pages_.Page(index)) next->Background().NotifyObjects(kMsgPageEntering, {}, {}, true);
}

void TPageNavigator::PageChanged(int index) {
  steps_.ReportPageShown(index);
  pages_.setFocusPolicy(Qt::NoFocus);
}

void TPageNavigator::AttachMasterPage(int index) {
  TOVPage* masterPage = pages_.Page(0);
  TOVPage* page = pages_.Page(index);
  if (masterPage == nullptr || page == nullptr) return;
  TOrvalisBackground& master = masterPage->Background();
  TOrvalisBackground& background = page->Background();
  if (index > 0 && background.ShowMasterPage()) {
    if (master.parentWidget() != &background) {
      master.setParent(&background);
      master.setGeometry(background.rect());
      master.show();
    }
    master.lower();
    master.SetBackgroundStyle(background.BackgroundStyle());
    master.SetColor(background.Color());
    master.SetGradientColor1(background.GradientColor1());
    master.SetGradientColor2(background.GradientColor2());
    master.SetGradientAngle(background.GradientAngle());
    master.SetWallpaperFile(background.WallpaperFile());
    master.SetWallpaperStyle(background.WallpaperStyle());
    return;
  }
  if (master.parentWidget() != masterPage) {
    master.setParent(masterPage);
    master.setGeometry(masterPage->rect());
    master.show();
  }
  master.SetBackgroundStyle(pbSolid);
  master.SetColor(kWhite);
  master.lower();
}

}  // namespace orv
