#pragma once
// The timer: an object never seen that runs its script at an interval.
#include <string>

#include "objects/OrvalisObj.h"

namespace orv {

class TOrvalisTimer : public TOrvalisObj {
 public:
  TOrvalisTimer(int type, QWidget* parent, TObjectHost* host);

  std::string_view TimerAction() const { return timerAction_.View(); }
  const std::string& VarName() const { return varName_; }
  bool AutoStart() const { return autoStart_; }
  bool AutoStop() const { return autoStop_; }
  bool RunOnce() const { return runOnce_; }
  // As the document gives it; the timer decides what a value below 1 means.
  int Interval() const { return interval_; }

  // A timer is never seen.
  void DrawShape(QPainter&) override {}
  bool ApplyKey(const KeyValue& key) override;

 private:
  TObjectText timerAction_;
  std::string varName_;
  bool autoStart_ = true;
  bool autoStop_ = true;
  bool runOnce_ = false;
  int interval_ = 1000;
};

}  // namespace orv
