#include "objects/media/Timer.h"

#include <QPointer>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "base/NumberText.h"
#include "container/DocumentValue.h"
#include "objects/ObjectHost.h"
#include "pages/BackgroundMessages.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

TOrvalisTimer::TOrvalisTimer(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisObj(type, parent, host), clock_(MakeQtStepClock()) {
  // Whatever size the document gives: the object is only there to be found.
  setFixedSize(32, 32);
  LockTransparency(true);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

TOrvalisTimer::~TOrvalisTimer() { clock_->Cancel(); }

bool TOrvalisTimer::ApplyKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "OBJACTION=") timerAction_.SetView(key.Text());
  else if (name == "VARNAME=") varName_ = key.Text();
  else if (name == "AUTOSTART=") autoStart_ = key.Yes();
  else if (name == "INTERVAL=") interval_ = SaturatedAbs(key.Number());
  else if (name == "RUNONCE=") runOnce_ = key.Yes();
  else if (name == "AUTOSTOP=") autoStop_ = key.Yes();
  else return false;
  return true;
}

// --- Running -------------------------------------------------------------------

void TOrvalisTimer::Arm() {
  clock_->Schedule(std::max(interval_, kShortestIntervalMs), [this] { Tick(); });
}

void TOrvalisTimer::Start(int interval) {
  clock_->Cancel();
  interval_ = SaturatedAbs(interval);
  startMs_ = clock_->NowMs();
  // A start of its own is no continuation of a suspension.
  suspended_ = false;
  running_ = true;
  // Inside the tick's script the tick itself arms the timer when it ends.
  if (!ticking_) Arm();
  WriteElapsed();
}

void TOrvalisTimer::Stop() {
  clock_->Cancel();
  running_ = false;
  suspended_ = false;
  WriteElapsed();
}

void TOrvalisTimer::Tick() {
  clock_->Cancel();
  if (!running_ || suspended_ || ticking_) return;
  if (Closing()) {
    running_ = false;
    return;
  }
  if (runOnce_) running_ = false;
  WriteElapsed();
  ticking_ = true;
  const QPointer<TOrvalisTimer> alive(this);
  RunEventScriptAtOnce(timerAction_.View(), evTimer);
  if (alive.isNull()) return;
  ticking_ = false;
  // The next interval counts from the end of the script, which may have
  // stopped, restarted or suspended the timer.
  if (running_ && !suspended_ && !Closing()) Arm();
}

void TOrvalisTimer::WriteElapsed() {
  if (varName_.empty() || Host() == nullptr) return;
  const std::int64_t elapsed = clock_->NowMs() - startMs_;
  Host()->Engine().Vars().SetVar(varName_, FormatWholeNumber(elapsed));
}

void TOrvalisTimer::SetStepClock(std::unique_ptr<TStepClock> clock) {
  if (clock == nullptr) return;
  const bool pending = clock_->Pending();
  clock_->Cancel();
  clock_ = std::move(clock);
  startMs_ = clock_->NowMs();
  if (pending) Arm();
}

// --- Notifications ---------------------------------------------------------------

void TOrvalisTimer::Notify(int message, const std::string& text, const std::string& data) {
  switch (message) {
    case kMsgSuspendResume:
      if (text == "0") {
        if (running_ && !suspended_) {
          suspended_ = true;
          clock_->Cancel();
        }
      } else if (suspended_) {
        // Only what the suspension paused goes on.
        suspended_ = false;
        if (running_ && !ticking_) Arm();
      }
      break;
    case kMsgPageShown:
      // "1": only an area was redrawn.
      if (text != "1" && autoStart_) {
        if (!running_)
          Start(interval_);
        else if (!suspended_ && !ticking_ && !clock_->Pending())
          Arm();
      }
      break;
    case kMsgPageLeaving:
      if (autoStop_) {
        clock_->Cancel();
        running_ = false;
        suspended_ = false;
      }
      break;
    default:
      break;
  }
  TOrvalisObj::Notify(message, text, data);
}

}  // namespace orv
