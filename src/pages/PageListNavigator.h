#pragma once
// Page changes as the publication window makes them: the page-change
// action that may cancel or redirect a change, the exit and enter actions,
// the history for going back, the notifications to the pages' objects, and
// the navigation keys, whose changes arrive later as posted events.
#include <QObject>
#include <deque>
#include <string>
#include <string_view>
#include <utility>

#include "pages/PageListChangeSteps.h"
#include "pages/PageListHistory.h"

namespace orv {

class TOVPageList;
class TScriptEngine;

// Action sources of the scripts a page change runs.
inline constexpr int kSourcePageEnter = 50;
inline constexpr int kSourcePageExit = 51;
inline constexpr int kSourceStartup = 52;
inline constexpr int kSourcePageChange = 56;

class TPageNavigator : public QObject {
 public:
  // `steps` may be nullptr (every step then does nothing); it must outlive
  // the navigator otherwise.
  TPageNavigator(TOVPageList& pages, TScriptEngine& engine, TPageChangeSteps* steps = nullptr);
  ~TPageNavigator() override;

  TOVPageList& Pages() { return pages_; }
  TPageHistory& History() { return history_; }

  // The publication's page-change action; empty for none.
  void SetPageChangeAction(std::string_view script) { pageChangeAction_ = script; }
  // The start-up action, run once when the first page is shown.
  void SetStartupAction(std::string_view script) { startupAction_ = script; }
  bool StartupDone() const { return startupDone_; }

  // A change asked for by a command, a key or a posted change. Returns
  // true when it went on to show the page.
  bool RequestPageChange(int index, bool runActions);
  // The switch itself, without the page-change and exit actions; nothing
  // for an invalid index.
  void ShowPage(int index);
  // Back to the page last recorded in the history; nothing when it is
  // empty, the current page or not an ordinary page.
  void ReturnToPage();
  // The change happens when the event loop next delivers it.
  void PostPageChange(int index);
  // ReturnToPage's change made later: when delivered it goes to `index`
  // with the history held still and drops the newest entry once that page
  // is current, as ReturnToPage does at once.
  void PostReturnToPage(int index);

  // The navigation keys of the window's key preview.
  struct KeySettings {
    bool AllowEsc = false;        // "ALLOWESC=" or a screen-saver run
    bool AllowPageUpDown = false; // "ALLOWPAGEUPDN="
    bool EditHasFocus = false;    // Home and End stay with an edit field
    bool EscBlocked = false;      // a masked edit field refuses its text
  };
  enum class KeyResult { Ignored, Consumed, Close };
  KeyResult HandleKey(int key, const KeySettings& settings);

 protected:
  bool event(QEvent* event) override;

 private:
  void PageChanging(int index);
  void PageChanged(int index);
  void AttachMasterPage(int index);
  // Runs a script; false when the publication started closing meanwhile.
  bool RunAction(std::string_view script, int source, std::string_view sourceName);
  std::string TakePageChangeName();
  // The return to `target` with the history held still.
  void ReturnTo(int target);

  TOVPageList& pages_;
  TScriptEngine& engine_;
  TPageChangeSteps defaultSteps_;
  TPageChangeSteps& steps_;
  TPageHistory history_;
  std::string pageChangeAction_;
  std::string startupAction_;
  bool startupDone_ = false;
  // The origin of every posted change not yet delivered, oldest first (true
  // for a return); posted changes arrive in the order they were posted.
  std::deque<std::pair<int, bool>> posted_;
};

}  // namespace orv
