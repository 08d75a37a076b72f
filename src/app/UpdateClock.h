#pragma once
// The window's one-second update timer ("USEUPDATETIMER="): each tick tells
// the objects that show the time that "[TIME]", "[TIME24]", "[HOUR]",
// "[MINUTE]" and "[SECOND]" changed, and when the day has turned (the time of
// day went back, or the date is another) also the date variables.
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "script/DateText.h"

namespace orv {

class TVars;

class TUpdateClock : public QObject {
 public:
  using Clock = std::function<TDateTime()>;
  explicit TUpdateClock(TVars& vars, QObject* parent = nullptr);

  // The local time; the variables' host clock by default.
  void SetClock(Clock clock) { clock_ = std::move(clock); }
  void Start();
  void Stop() { timer_.stop(); }
  bool Active() const { return timer_.isActive(); }
  int IntervalMs() const { return timer_.interval(); }

  // One tick, as the timer makes it.
  void Tick();

 private:
  TVars& vars_;
  Clock clock_;
  QTimer timer_;
  std::optional<TDateTime> last_;
};

}  // namespace orv
