#pragma once
// The timer: an object never seen that runs its script at an interval.
// Ticks never overlap: the timer is stopped while its script runs and
// counts the next interval from the script's end.
#include <cstdint>
#include <memory>
#include <string>

#include "objects/OrvalisObj.h"
#include "objects/media/StepClock.h"

namespace orv {

class TOrvalisTimer : public TOrvalisObj {
 public:
  // The shortest interval a timer runs at; shorter ones, 0 included, would
  // run the script again without a pause.
  static constexpr int kShortestIntervalMs = 10;

  TOrvalisTimer(int type, QWidget* parent, TObjectHost* host);
  ~TOrvalisTimer() override;

  std::string_view TimerAction() const { return timerAction_.View(); }
  const std::string& VarName() const { return varName_; }
  bool AutoStart() const { return autoStart_; }
  bool AutoStop() const { return autoStop_; }
  bool RunOnce() const { return runOnce_; }
  // Milliseconds, never negative.
  int Interval() const { return interval_; }
  bool Running() const { return running_; }
  // Paused by a suspension, waiting for its resume.
  bool Suspended() const { return suspended_; }

  // Starts afresh with |interval| ms (the smallest int becomes the largest):
  // the elapsed time counts from now.
  void Start(int interval);
  // Stops and writes the elapsed time.
  void Stop();
  // What the clock runs when an interval is over; public so that a clock
  // of a test can be stepped by hand as well.
  void Tick();
  // The clock the timer keeps time with; a running timer goes on with its
  // interval on the new one, its elapsed time counting from now.
  void SetStepClock(std::unique_ptr<TStepClock> clock);
  TStepClock& StepClock() { return *clock_; }

  // A timer is never seen.
  void DrawShape(QPainter&) override {}
  bool ApplyKey(const KeyValue& key) override;
  void Notify(int message, const std::string& text, const std::string& data) override;

 private:
  void Arm();
  void WriteElapsed();

  std::unique_ptr<TStepClock> clock_;
  TObjectText timerAction_;
  std::string varName_;
  bool autoStart_ = true;
  bool autoStop_ = true;
  bool runOnce_ = false;
  int interval_ = 1000;
  bool running_ = false;
  bool suspended_ = false;
  bool ticking_ = false;  // the tick's script is running
  std::int64_t startMs_ = 0;
};

}  // namespace orv
