#pragma once
// The publication window's slide show: a list of pages shown one after the
// other on the window's slide-show timer, paused and resumed by scripts,
// ended with an optional finish subroutine. The page changes it makes run
// exit and enter actions, which may stop the show or start another one;
// after each change the show makes sure it is still the one it was.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QTimer;

namespace orv {

class TOVPageList;
class TPageNavigator;
class TScriptEngine;

struct TSlideShowRec {
  std::vector<std::string> Pages;  // page names in showing order
  int Position = 0;                // index into Pages of the page now shown
  std::string FinishSubroutine;    // called when the show ends (may be empty)
  bool Loop = false;               // after the last page start again at the first
  bool Running = false;            // false while paused
};

// The timer that advances the show. The window's is a QTimer; tests put in
// one they step by hand.
class TSlideShowTimer {
 public:
  virtual ~TSlideShowTimer() = default;
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
  virtual bool Active() const = 0;
  virtual int Interval() const = 0;
  // Set by the show; called on every tick.
  std::function<void()> OnTimer;
};

class TSlideShow {
 public:
  static constexpr int kDefaultDelayMs = 2000;
  static constexpr int kShortestDelayMs = 100;
  static constexpr int kLongestDelayMs = 2147483647;

  // `timer` null: the window's own QTimer.
  TSlideShow(TPageNavigator& navigator, TScriptEngine& engine, std::unique_ptr<TSlideShowTimer> timer = nullptr);
  ~TSlideShow();
  TSlideShow(const TSlideShow&) = delete;
  TSlideShow& operator=(const TSlideShow&) = delete;

  // The delay of a show: 2000 ms for a text that is not a number, never
  // below 100 ms, and a number too large for the timer is its longest.
  static int DelayOf(std::string_view text, char decimalSymbol);
  // "All" (any case): every ordinary page in page order; otherwise the
  // names separated by "|".
  static std::vector<std::string> PagesOf(std::string_view pages, const TOVPageList& list);

  // Stops any show, then shows the first page and starts advancing. A
  // first page that is unknown (or an exception) stops the show again with
  // "[LastError]" set.
  void Start(std::vector<std::string> pages, int delayMs, bool loop, std::string finishSubroutine);
  // Pauses a running show; resumes a paused one by showing its next page
  // at once. Nothing without a show.
  void Pause();
  // Ends the show; a running one (not a paused one) then calls its finish
  // subroutine.
  void Stop();
  // One tick of the timer (`SlideshowTimerTimer`).
  void Tick();
  // Puts in another timer (tests step one by hand); a show keeps running.
  void SetTimer(std::unique_ptr<TSlideShowTimer> timer);

  // The show, or null when none exists.
  const TSlideShowRec* Show() const { return show_.get(); }
  TSlideShowTimer& Timer() { return *timer_; }

 private:
  // Shows the page at `position`; false (with "[LastError]" set) for a
  // name that is not an ordinary page.
  bool ShowPosition(int position);
  // The show started as `serial` still exists and runs.
  bool StillRunning(std::uint64_t serial) const { return show_ && serial_ == serial && show_->Running; }

  TPageNavigator& navigator_;
  TScriptEngine& engine_;
  std::unique_ptr<TSlideShowTimer> timer_;
  std::unique_ptr<TSlideShowRec> show_;
  std::uint64_t serial_ = 0;  // one more for every show started
  int delayMs_ = kDefaultDelayMs;
};

}  // namespace orv
