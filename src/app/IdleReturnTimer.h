#pragma once
// The idle-return timer ("AUTORETURN=", "RETURNTIME=", "RETURNACTION="): any
// key or mouse input of the application except the wheel, and every page
// switch, starts the wait over; when it runs out the return action runs
// (source 57) unless the publication is held by a modal dialog, menu or
// pop-up, and the wait starts again.
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>
#include <string_view>

namespace orv {

class TScriptEngine;

inline constexpr int kSourceIdleReturn = 57;

class TIdleReturnTimer : public QObject {
 public:
  explicit TIdleReturnTimer(TScriptEngine& engine, QObject* parent = nullptr);
  ~TIdleReturnTimer() override;

  // Runs only with `enabled`, a positive time and a return action.
  void Configure(bool enabled, int seconds, std::string_view action);
  void Start();
  void Stop();
  // Starts the wait over (nothing while stopped).
  void Restart();
  bool Active() const { return timer_.isActive(); }
  int IntervalMs() const { return timer_.interval(); }
  int Restarts() const { return restarts_; }

  // What the timer does when the wait runs out.
  void Fire();
  // True while the publication is disabled for a modal dialog, menu or
  // pop-up; by default an active modal widget.
  std::function<bool()> Blocked;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TScriptEngine& engine_;
  QTimer timer_;
  std::string action_;
  bool enabled_ = false;
  bool running_ = false;
  int restarts_ = 0;
};

}  // namespace orv
