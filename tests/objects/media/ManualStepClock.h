#pragma once
// A step clock a test moves by hand: time stands still until Advance, and
// the pending step runs only when its time comes or the test fires it.
#include <cstdint>
#include <utility>

#include "objects/media/StepClock.h"

namespace orv::test {

class ManualStepClock : public TStepClock {
 public:
  std::int64_t NowMs() const override { return now_; }
  void Schedule(int delayMs, Step step) override {
    step_ = std::move(step);
    pending_ = true;
    lastDelay_ = delayMs;
    due_ = now_ + delayMs;
  }
  void Cancel() override {
    pending_ = false;
    step_ = nullptr;
  }
  bool Pending() const override { return pending_; }

  // Moves time on by `ms`, running each step whose time comes on the way at
  // that time.
  void Advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    while (pending_ && due_ <= end) {
      now_ = due_;
      Fire();
    }
    now_ = end;
  }
  // Runs the pending step now, whatever its time; false when none waits.
  bool Fire() {
    if (!pending_) return false;
    pending_ = false;
    Step step = std::move(step_);
    step_ = nullptr;
    step();
    return true;
  }
  // The delay the last step was scheduled with.
  int LastDelay() const { return lastDelay_; }

 private:
  std::int64_t now_ = 1'000'000;  // far from 0: nothing may take 0 for "never started"
  std::int64_t due_ = 0;
  bool pending_ = false;
  int lastDelay_ = -1;
  Step step_;
};

}  // namespace orv::test
