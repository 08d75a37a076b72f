#pragma once
// Timers, animated pictures and media players: their properties as the
// document sets them. Ticking, animating and playing come with their own
// behaviour.
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

class TOrvalisAnimator : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;

  std::string_view ImageFile() const { return imageFile_.View(); }
  std::string_view DoneAction() const { return doneAction_.View(); }
  bool AutoSizing() const { return autoSizing_; }
  bool AutoStart() const { return autoStart_; }
  bool AutoRewind() const { return autoRewind_; }
  int LoopCount() const { return loopCount_; }

  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;

 private:
  TObjectText imageFile_, doneAction_;
  bool autoSizing_ = true;
  bool autoStart_ = true;
  bool autoRewind_ = true;
  int loopCount_ = 0;
};

class TOrvalisMediaPlayer : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;

  std::string_view FileName() const { return fileName_.View(); }
  const std::string& VarName() const { return varName_; }
  int PaintMode() const { return paintMode_; }
  bool ShowControls() const { return showControls_; }
  bool Loop() const { return loop_; }
  std::string_view DoneAction() const { return doneAction_.View(); }
  std::string_view CancelAction() const { return cancelAction_.View(); }
  std::string_view PlayAction() const { return playAction_.View(); }

  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;

 private:
  TObjectText fileName_, doneAction_, cancelAction_, playAction_;
  std::string varName_;
  int paintMode_ = 0;
  bool showControls_ = false;
  bool loop_ = false;
};

}  // namespace orv
