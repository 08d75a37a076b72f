#pragma once
// How timers and animated pictures keep time: a monotonic clock and one
// pending step. The player's clock runs on a single-shot QTimer of the
// user-interface thread, so a step runs only while the event loop is
// served; tests put in a clock they advance themselves.
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>

namespace orv {

class TStepClock {
 public:
  using Step = std::function<void()>;

  virtual ~TStepClock() = default;
  // Milliseconds on a clock that never goes back and does not wrap.
  virtual std::int64_t NowMs() const = 0;
  // Runs `step` once, `delayMs` (at least 0) from now, in place of any step
  // still pending.
  virtual void Schedule(int delayMs, Step step) = 0;
  // Drops the pending step.
  virtual void Cancel() = 0;
  virtual bool Pending() const = 0;
};

// The player's clock: QElapsedTimer for the time, a single-shot QTimer for
// the step.
class TQtStepClock : public TStepClock {
 public:
  TQtStepClock();
  std::int64_t NowMs() const override { return elapsed_.elapsed(); }
  void Schedule(int delayMs, Step step) override;
  void Cancel() override;
  bool Pending() const override { return timer_.isActive(); }

 private:
  QElapsedTimer elapsed_;
  QTimer timer_;
  Step step_;
};

std::unique_ptr<TStepClock> MakeQtStepClock();

}  // namespace orv
