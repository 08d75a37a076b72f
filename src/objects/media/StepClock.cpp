#include "objects/media/StepClock.h"

#include <algorithm>
#include <utility>

namespace orv {

TQtStepClock::TQtStepClock() {
  elapsed_.start();
  timer_.setSingleShot(true);
  // Steps are counted in whole milliseconds; a coarse timer may run them
  // several milliseconds late.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
    // The step may schedule the next one, which replaces step_.
    Step step = std::move(step_);
    step_ = nullptr;
    if (step) step();
  });
}

void TQtStepClock::Schedule(int delayMs, Step step) {
  step_ = std::move(step);
  timer_.start(std::max(delayMs, 0));
}

void TQtStepClock::Cancel() {
  timer_.stop();
  step_ = nullptr;
}

std::unique_ptr<TStepClock> MakeQtStepClock() { return std::make_unique<TQtStepClock>(); }

}  // namespace orv
