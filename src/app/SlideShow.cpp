#include "app/SlideShow.h"

#include <QTimer>
#include <cmath>
#include <exception>
#include <optional>

#include "base/Ansi.h"
#include "base/Messages.h"
#include "base/NumberText.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "script/ActionEvaluatorErrors.h"
#include "script/Engine.h"

namespace orv {

namespace {

class TWindowSlideShowTimer : public TSlideShowTimer {
 public:
  TWindowSlideShowTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (OnTimer) OnTimer();
    });
  }
  void Start(int intervalMs) override { timer_.start(intervalMs); }
  void Stop() override { timer_.stop(); }
  bool Active() const override { return timer_.isActive(); }
  int Interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

}  // namespace

TSlideShow::TSlideShow(TPageNavigator& navigator, TScriptEngine& engine, std::unique_ptr<TSlideShowTimer> timer)
    : navigator_(navigator),
      engine_(engine),
      timer_(timer ? std::move(timer) : std::make_unique<TWindowSlideShowTimer>()) {
  timer_->OnTimer = [this] { Tick(); };
}

TSlideShow::~TSlideShow() {
  timer_->OnTimer = nullptr;
  timer_->Stop();
}

void TSlideShow::SetTimer(std::unique_ptr<TSlideShowTimer> timer) {
  const bool active = timer_->Active();
  timer_->OnTimer = nullptr;
  timer_->Stop();
  timer_ = std::move(timer);
  timer_->OnTimer = [this] { Tick(); };
  if (active) timer_->Start(delayMs_);
}

int TSlideShow::DelayOf(std::string_view text, char decimalSymbol) {
  const std::optional<double> value = ReadNumber(text, decimalSymbol);
  if (!value || std::isnan(*value)) return kDefaultDelayMs;
  const double whole = std::trunc(*value);
  if (whole <= kShortestDelayMs) return kShortestDelayMs;
  if (whole >= kLongestDelayMs) return kLongestDelayMs;
  return static_cast<int>(whole);
}

std::vector<std::string> TSlideShow::PagesOf(std::string_view pages, const TOVPageList& list) {
  std::vector<std::string> names;
  if (AnsiSameText(pages, "All")) {
    for (int i = 1; i < list.Count(); ++i) names.push_back(list.Page(i)->Name());
    return names;
  }
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = pages.find('|', start);
    names.emplace_back(pages.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return names;
}

bool TSlideShow::ShowPosition(int position) {
  // A copy: the change below may free the show.
  const std::string name = show_->Pages[static_cast<std::size_t>(position)];
  TOVPageList& pages = navigator_.Pages();
  const int index = pages.IndexOfName(name);
  if (index <= 0) {
    engine_.Vars().SetLastError(ActionErrorText(ae::kNoPage, name));
    return false;
  }
  if (index != pages.PageIndex()) navigator_.RequestPageChange(index, true);
  return true;
}

void TSlideShow::Start(std::vector<std::string> pages, int delayMs, bool loop, std::string finishSubroutine) {
  Stop();
  show_ = std::make_unique<TSlideShowRec>();
  show_->Pages = std::move(pages);
  show_->Loop = loop;
  show_->FinishSubroutine = std::move(finishSubroutine);
  delayMs_ = delayMs;
  const std::uint64_t serial = ++serial_;
  bool shown = false;
  try {
    if (show_->Pages.empty())
      engine_.Vars().SetLastError(ActionErrorText(ae::kNoPage, {}));
    else
      shown = ShowPosition(0);
  } catch (const std::exception& error) {
    engine_.Vars().SetLastError(error.what());
    shown = false;
  }
  // The first page's enter action may have stopped this show or started
  // another one; neither is this start's to touch.
  if (!show_ || serial_ != serial) return;
  if (!shown) {
    Stop();
    return;
  }
  show_->Running = true;
  timer_->Start(delayMs_);
}

void TSlideShow::Pause() {
  if (!show_) return;
  if (show_->Running) {
    show_->Running = false;
    timer_->Stop();
    return;
  }
  show_->Running = true;
  Tick();
}

void TSlideShow::Stop() {
  timer_->Stop();
  if (!show_) return;
  // A paused show ends without its finish subroutine.
  const std::string finish = show_->Running ? show_->FinishSubroutine : std::string();
  show_.reset();
  if (finish.empty()) return;
  if (engine_.GoSub(finish, 0) == TScriptEngine::SubroutineResult::NoSuchLabel)
    engine_.Vars().SetLastError(Message(msg::kNoSubroutine));
}

void TSlideShow::Tick() {
  timer_->Stop();
  if (!show_) return;
  TSlideShowRec& show = *show_;
  const int count = static_cast<int>(show.Pages.size());
  ++show.Position;
  if (show.Loop && show.Position >= count) show.Position = 0;
  if (show.Position >= count) {
    Stop();
    return;
  }
  const std::uint64_t serial = serial_;
  bool shown = false;
  try {
    shown = ShowPosition(show.Position);
  } catch (const std::exception& error) {
    engine_.Vars().SetLastError(error.what());
  }
  // A failing page ends the advancing but leaves the show in place; one
  // that was stopped, paused or replaced meanwhile is not restarted.
  if (shown && StillRunning(serial)) timer_->Start(delayMs_);
}

}  // namespace orv
